#include "ui/process/frmProcess.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <iterator>

#include "ui/platform/NumberEntries.h"

namespace {

// A mouse click places the caret after the focus arrives, which would undo
// an immediate selectAll; selecting on the next turn of the event loop keeps
// the whole text selected either way.
class SelectAllFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::FocusIn) {
      if (auto* box = qobject_cast<QLineEdit*>(watched); box && !box->text().isEmpty()) {
        box->selectAll();
        QPointer<QLineEdit> guard(box);
        QTimer::singleShot(0, box, [guard] {
          if (guard && guard->hasFocus()) guard->selectAll();
        });
      }
    }
    return false;
  }
};

// clang-format off
// Rows of the tool and cutting data group, top to bottom. SZ follows C: on
// the inclined-plane commands the two are the X and Z of one zero shift.
struct CuttingRow {
  const char* box;       // entry box
  const char* label;     // long label
  const char* caption;   // its design caption
  const char* label2;    // short label (the address word)
  const char* caption2;  // its design caption
};
constexpr CuttingRow kCuttingRows[] = {
  // box           label       caption            label2     caption2
  {"ToolNumber",   "Label1",   "Tool No.",        "Label2",  "T"},
  {"V",            "LabelV",   "Speed(m/min)",    "Labelv2", "V"},
  {"F",            "LabelF",   "Feed",            "LabelF2", "F"},
  {"D",            "LabelD",   "Step",            "LabelD2", "D"},
  {"L",            "LabelL",   "Step 2",          "LabelL2", "L"},
  {"U",            "LabelU",   "Finish Stock",    "LabelU2", "U"},
  {"W",            "LabelW",   "Finish Stock Z",  "LabelW2", "W"},
  {"C",            "LabelC",   "Chamfer",         "LabelC2", "C"},
  {"SZ",           "LabelCZ",  "",                "LabelSZ", "Z"},
  {"B",            "LabelB",   "B Axis Angle",    "LabelB2", "B"},
};

// The two point groups: heading label, then X, Z, C rows.
struct PointRow {
  const char* box;
  const char* label;
  const char* caption;
};
constexpr PointRow kStartRows[] = {
  // box       label           caption
  {"StartX",   "LabelStartX",  "X"},
  {"StartZ",   "LabelStartZ",  "Z"},
  {"StartC",   "LabelStartC",  "C"},
};
constexpr PointRow kEndRows[] = {
  {"EndX",     "LabelEndX",    "X"},
  {"EndZ",     "LabelEndZ",    "Z"},
  {"EndC",     "LabelEndC",    "C"},
};
// clang-format on

// Slant commands switch these on; every other command leaves them out.
constexpr const char* kDesignHidden[] = {"B", "LabelB", "LabelB2", "SZ", "LabelSZ", "EndZ2"};

constexpr int kBoxWidth = 96;

QLabel* NamedLabel(const char* name, const QString& caption, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

void SelectAllOnFocus(QLineEdit* box) { box->installEventFilter(new SelectAllFilter(box)); }

frmProcess::frmProcess(QWidget* parent, Interaction* interaction)
    : QDialog(parent), m_entries(new NumberEntries(*this, interaction)) {
  setObjectName(QStringLiteral("frmProcess"));
  setAttribute(Qt::WA_DeleteOnClose, false);  // the command owns it for exactly one run
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  QList<QWidget*> tabOrder;
  auto makeBox = [&](const char* name, QWidget* parentWidget) {
    auto* box = new QLineEdit(parentWidget);
    box->setObjectName(QString::fromLatin1(name));
    box->setFixedWidth(kBoxWidth);
    SelectAllOnFocus(box);
    tabOrder << box;
    return box;
  };

  // Tool and cutting data: long label, address word, box.
  auto* cutting = new QGroupBox(tr("Tool and Cutting Data"), this);
  cutting->setObjectName(QStringLiteral("FrameCutting"));
  auto* cuttingGrid = new QGridLayout(cutting);
  cuttingGrid->setColumnStretch(0, 1);
  cuttingGrid->setHorizontalSpacing(8);
  int row = 0;
  for (const CuttingRow& r : kCuttingRows) {
    cuttingGrid->addWidget(NamedLabel(r.label, QString::fromLatin1(r.caption), cutting), row, 0);
    auto* word = NamedLabel(r.label2, QString::fromLatin1(r.caption2), cutting);
    word->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    cuttingGrid->addWidget(word, row, 1);
    cuttingGrid->addWidget(makeBox(r.box, cutting), row, 2);
    ++row;
  }
  cuttingGrid->setRowStretch(row, 1);

  // A point group keeps its heading in a label (commands rename it), so it
  // is a frame with a bold heading rather than a titled group box.
  auto makePoint = [&](const char* frameName, const char* headingName, const char* heading, const PointRow(&rows)[3]) {
    auto* frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(frameName));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    auto* title = NamedLabel(headingName, QString::fromLatin1(heading), frame);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    grid->addWidget(title, 0, 0, 1, 3);
    int r = 1;
    for (const PointRow& p : rows) {
      auto* word = NamedLabel(p.label, QString::fromLatin1(p.caption), frame);
      word->setMinimumWidth(16);
      word->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      grid->addWidget(word, r, 0);
      grid->addWidget(makeBox(p.box, frame), r, 1);
      ++r;
    }
    grid->setColumnStretch(2, 1);
    return std::pair{frame, grid};
  };
  auto [startFrame, startGrid] = makePoint("FrameStart", "LabelStart", "Start Point", kStartRows);
  (void)startGrid;
  auto [endFrame, endGrid] = makePoint("FrameEnd", "LabelEnd", "End Point", kEndRows);
  // A note in the end group that the inclined-plane commands switch on. They
  // hide the end Z box, so the note sits on the first row: in a row of its
  // own it would leave an empty gap between the two boxes left.
  endGrid->addWidget(NamedLabel("EndZ2", QString(), endFrame), 1, 2);

  auto makeOptions = [&](const char* frameName, const QString& title, const char* first, const QString& firstCaption,
                         const char* second, const QString& secondCaption) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QString::fromLatin1(frameName));
    auto* layout = new QHBoxLayout(frame);
    auto* a = new QRadioButton(firstCaption, frame);
    a->setObjectName(QString::fromLatin1(first));
    auto* b = new QRadioButton(secondCaption, frame);
    b->setObjectName(QString::fromLatin1(second));
    layout->addWidget(a);
    layout->addWidget(b);
    layout->addStretch(1);
    a->setChecked(true);
    tabOrder << a << b;
    return frame;
  };
  auto* spindle = makeOptions("FrameSpindle", QStringLiteral("Spindle"), "SpindleCW", QStringLiteral("CW"),
                              "SpindleCCW", QStringLiteral("CCW"));
  auto* coolant = makeOptions("FrameCoolant", QStringLiteral("Coolant"), "CoolantON", QStringLiteral("ON"),
                              "CoolantOFF", QStringLiteral("OFF"));

  auto* right = new QVBoxLayout;
  right->addWidget(startFrame);
  right->addWidget(endFrame);
  right->addWidget(spindle);
  right->addWidget(coolant);
  right->addStretch(1);

  auto* columns = new QHBoxLayout;
  columns->addWidget(cutting, 1);
  columns->addLayout(right);

  auto* attention = NamedLabel("LabelAttn", QString(), this);
  attention->setWordWrap(true);
  QPalette attentionPalette = attention->palette();
  attentionPalette.setColor(QPalette::WindowText, Qt::darkRed);
  attention->setPalette(attentionPalette);
  QFont attentionFont = attention->font();
  attentionFont.setBold(true);
  attention->setFont(attentionFont);

  auto* hint = NamedLabel("LabelHint", QStringLiteral("For change input position useTAB Key"), this);

  auto* ok = new QPushButton(QStringLiteral("O  K"), this);
  ok->setObjectName(QStringLiteral("Command1"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("Command2"));
  // Enter moves between boxes; it must never close the dialog by surprise.
  for (QPushButton* button : {ok, cancel}) {
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumWidth(88);
    tabOrder << button;
  }
  connect(ok, &QPushButton::clicked, this, &frmProcess::Command1_Click);
  connect(cancel, &QPushButton::clicked, this, &frmProcess::Command2_Click);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(hint, 1);
  bottom->addWidget(ok);
  bottom->addWidget(cancel);

  auto* main = new QVBoxLayout(this);
  main->addLayout(columns);
  main->addWidget(attention);
  main->addLayout(bottom);

  for (int i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  for (const char* name : kDesignHidden)
    if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) w->hide();

  // Enter in the first three boxes walks tool -> speed -> feed -> stock. A
  // box the command hides is stepped over (finishing has no feed box, the Z
  // zero offset neither speed nor feed), or Enter would do nothing there.
  static constexpr const char* kEnterChain[] = {"ToolNumber", "V", "F", "U"};
  for (int i = 0; i + 1 < int(std::size(kEnterChain)); ++i) {
    connect(box(QString::fromLatin1(kEnterChain[i])), &QLineEdit::returnPressed, this, [this, i] {
      for (int next = i + 1; next < int(std::size(kEnterChain)); ++next) {
        QLineEdit* target = box(QString::fromLatin1(kEnterChain[next]));
        if (target->isHidden()) continue;
        target->setFocus(Qt::TabFocusReason);
        return;
      }
    });
  }

  // Every box takes a number. The message names a box as the dialog shows it
  // now, after the command relabelled it: the long label, or the address word
  // when the long one is blank; a point's box with its group ("Start Point X").
  auto labelText = [this](const char* name) { return findChild<QLabel*>(QString::fromLatin1(name))->text(); };
  for (const CuttingRow& r : kCuttingRows)
    m_entries->add(box(QString::fromLatin1(r.box)), [labelText, r] {
      const QString caption = labelText(r.label);
      return caption.trimmed().isEmpty() ? labelText(r.label2) : caption;
    });
  for (const auto& [rows, heading] : {std::pair{&kStartRows, "LabelStart"}, std::pair{&kEndRows, "LabelEnd"}})
    for (const PointRow& p : *rows)
      m_entries->add(box(QString::fromLatin1(p.box)),
                     [labelText, p, heading] { return labelText(heading) + QLatin1Char(' ') + labelText(p.label); });
}

QLineEdit* frmProcess::box(const QString& name) const { return findChild<QLineEdit*>(name); }

QStringList frmProcess::applySetup(const quillon::ProcessDialogSetup& setup) {
  QStringList unknown;
  auto widget = [&](const std::string& name) -> QWidget* {
    auto* w = findChild<QWidget*>(QString::fromStdString(name));
    if (!w) unknown << QString::fromStdString(name);
    return w;
  };
  setWindowTitle(QString::fromStdString(setup.caption));
  for (const auto& [name, caption] : setup.labels) {
    QWidget* w = widget(name);
    if (auto* label = qobject_cast<QLabel*>(w))
      label->setText(QString::fromStdString(caption));
    else if (w)
      unknown << QString::fromStdString(name);  // only labels carry captions
  }
  for (const std::string& name : setup.hidden)
    if (QWidget* w = widget(name)) w->hide();
  for (const std::string& name : setup.shown)
    if (QWidget* w = widget(name)) w->show();
  // A box the command does not use (hidden by the command or by design)
  // takes its labels with it, even one the command gave a caption: a label
  // beside no box reads as a stray word. A point group with no box left goes
  // too, so the dialog shows only what the command reads.
  auto hideLabelOf = [&](const char* label) {
    if (auto* w = findChild<QWidget*>(QString::fromLatin1(label))) w->hide();
  };
  auto boxHidden = [&](const char* name) { return box(QString::fromLatin1(name))->isHidden(); };
  for (const CuttingRow& r : kCuttingRows)
    if (boxHidden(r.box)) hideLabelOf(r.label), hideLabelOf(r.label2);
  for (const auto* rows : {&kStartRows, &kEndRows}) {
    bool anyShown = false;
    for (const PointRow& p : *rows) {
      if (boxHidden(p.box))
        hideLabelOf(p.label);
      else
        anyShown = true;
    }
    if (!anyShown)
      findChild<QWidget*>(rows == &kStartRows ? QStringLiteral("FrameStart") : QStringLiteral("FrameEnd"))->hide();
  }
  for (const auto& [name, tip] : setup.toolTips)
    if (QWidget* w = widget(name)) w->setToolTip(QString::fromStdString(tip));
  for (const auto& [name, text] : setup.prefill)
    if (!qobject_cast<QLineEdit*>(widget(name)) && !unknown.contains(QString::fromStdString(name)))
      unknown << QString::fromStdString(name);
  return unknown;
}

void frmProcess::setValues(const quillon::ProcessDialogValues& values) {
  for (const char* name : quillon::kProcessBoxes)
    box(QString::fromLatin1(name))->setText(QString::fromStdString(values.text(name)));
  findChild<QRadioButton*>(values.spindleCW ? QStringLiteral("SpindleCW") : QStringLiteral("SpindleCCW"))
      ->setChecked(true);
  findChild<QRadioButton*>(values.coolantOn ? QStringLiteral("CoolantON") : QStringLiteral("CoolantOFF"))
      ->setChecked(true);
}

quillon::ProcessDialogValues frmProcess::values() const {
  quillon::ProcessDialogValues v;
  for (const char* name : quillon::kProcessBoxes) v.texts[name] = box(QString::fromLatin1(name))->text().toStdString();
  v.spindleCW = findChild<QRadioButton*>(QStringLiteral("SpindleCW"))->isChecked();
  v.coolantOn = findChild<QRadioButton*>(QStringLiteral("CoolantON"))->isChecked();
  return v;
}

void frmProcess::Command1_Click() {
  if (m_entries->confirm()) accept();
}

void frmProcess::Command2_Click() { reject(); }
