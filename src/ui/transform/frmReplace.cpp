#include "ui/transform/frmReplace.h"

frmReplace::frmReplace(QWidget* parent)
    : SearchChangeDialog(
          parent, Texts{QStringLiteral("frmReplace"), QStringLiteral("Replace"), QStringLiteral("Find Character"),
                        QString(), QStringLiteral("txtReplace"), QStringLiteral("Replace Character"), QString(),
                        QString(), QStringLiteral("Change from top")}) {}
