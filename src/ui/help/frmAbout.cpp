#include "ui/help/frmAbout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "help/help_topics.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/AppIcon.h"

namespace {
QString FromStd(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
}  // namespace

frmAbout::frmAbout(Interaction& interaction, QWidget* parent, ProgramFinder findProgram)
    : QDialog(parent), m_interaction(interaction), m_find(std::move(findProgram)) {
  setObjectName("frmAbout");
  setWindowTitle(FromStd(quillon::kAboutTitle));
  if (!m_find) m_find = [](const QString& name) { return QStandardPaths::findExecutable(name); };

  picIcon = new QLabel(this);
  picIcon->setObjectName("picIcon");
  picIcon->setPixmap(QuillonPixmap(64));
  lblTitle = new QLabel(FromStd(quillon::kAboutTitle), this);
  lblTitle->setObjectName("lblTitle");
  QFont titleFont = lblTitle->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  titleFont.setBold(true);
  lblTitle->setFont(titleFont);
  lblVersion = new QLabel(QString::fromStdString(quillon::AboutVersionText()), this);
  lblVersion->setObjectName("lblVersion");
  lblDescription = new QLabel(FromStd(quillon::kAboutDescription), this);
  lblDescription->setObjectName("lblDescription");
  lblDescription->setWordWrap(true);
  lblDisclaimer = new QLabel(FromStd(quillon::kAboutDisclaimer), this);
  lblDisclaimer->setObjectName("lblDisclaimer");
  lblDisclaimer->setWordWrap(true);
  QFont small = lblDisclaimer->font();
  small.setPointSizeF(small.pointSizeF() * 0.9);
  lblDisclaimer->setFont(small);

  cmdOK = new QPushButton(tr("OK"), this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  cmdSysInfo = new QPushButton(QStringLiteral("System info.(&S)..."), this);
  cmdSysInfo->setObjectName("cmdSysInfo");
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

  auto* text = new QVBoxLayout;
  text->addWidget(lblTitle);
  text->addWidget(lblVersion);
  text->addSpacing(8);
  text->addWidget(lblDescription);
  auto* top = new QHBoxLayout;
  top->addWidget(picIcon, 0, Qt::AlignTop);
  top->addSpacing(12);
  top->addLayout(text, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdSysInfo);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(lblDisclaimer, 1);
  bottom->addSpacing(12);
  bottom->addLayout(buttons);
  auto* all = new QVBoxLayout(this);
  all->addLayout(top);
  all->addSpacing(12);
  all->addLayout(bottom);
  setFixedWidth(520);
}

void frmAbout::StartSysInfo() {
  for (std::string_view tool : quillon::SystemInfoTools()) {
    const QString path = m_find(FromStd(tool));
    if (path.isEmpty()) continue;
    QString error;
    if (m_interaction.launch(path, {}, &error)) return;
  }
  m_interaction.message(this, FromStd(quillon::kAboutTitle), FromStd(quillon::kNoSystemInfoMessage), MessageIcon::None);
}
