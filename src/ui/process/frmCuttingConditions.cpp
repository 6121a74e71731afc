#include "ui/process/frmCuttingConditions.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/machine_parameters.h"
#include "document/file_bytes.h"
#include "numbers/entry_check.h"
#include "process/condition_editing.h"
#include "process_rotary/command_table.h"
#include "ui/platform/Interaction.h"

namespace {
const QString kTitle = QStringLiteral("Cutting Conditions");
constexpr const char* kCsvFilter = "CSV Files(*.csv)|*.csv|All Files(*.*)|*.*";
QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
}  // namespace

frmCuttingConditions::frmCuttingConditions(quillon::MachineParameters& machine, quillon::CuttingConditionTable& table,
                                           Interaction& interaction, QWidget* parent)
    : QDialog(parent), m_machine(machine), m_table(table), m_interaction(interaction), m_edit(table) {
  setObjectName(QStringLiteral("frmCuttingConditions"));
  setWindowTitle(kTitle);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  setModal(false);

  auto* fileRow = new QHBoxLayout;
  auto* fileLabel = new QLabel(QStringLiteral("Material file"), this);
  m_file = new QLineEdit(this);
  m_file->setObjectName(QStringLiteral("CsvFile"));
  m_file->setReadOnly(true);
  fileLabel->setBuddy(m_file);
  auto* open = new QPushButton(QStringLiteral("Open…"), this);
  open->setObjectName(QStringLiteral("Open"));
  fileRow->addWidget(fileLabel);
  fileRow->addWidget(m_file, 1);
  fileRow->addWidget(open);

  auto* offerRow = new QHBoxLayout;
  m_offer = new QLabel(this);
  m_offer->setObjectName(QStringLiteral("Offer"));
  m_load = new QPushButton(QStringLiteral("Load"), this);
  m_load->setObjectName(QStringLiteral("Load"));
  offerRow->addWidget(m_offer, 1);
  offerRow->addWidget(m_load);

  const auto columns = quillon::CuttingConditionColumns();
  m_grid = new QTableWidget(quillon::kCuttingConditionRecords, static_cast<int>(columns.size()), this);
  m_grid->setObjectName(QStringLiteral("Table"));
  QStringList headings;
  for (const quillon::ConditionColumn& c : columns) headings << Q(c.heading);
  m_grid->setHorizontalHeaderLabels(headings);
  const std::vector<const quillon::ProcessCommand*> commands = quillon::AllProcessCommands();
  for (int row = 1; row <= quillon::kCuttingConditionRecords; ++row) {
    auto* header = new QTableWidgetItem(QString::number(row));
    header->setToolTip(Q(quillon::ConditionRowUse(row, commands)));
    m_grid->setVerticalHeaderItem(row - 1, header);
  }
  m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

  auto* buttons = new QHBoxLayout;
  m_save = new QPushButton(QStringLiteral("Save"), this);
  m_save->setObjectName(QStringLiteral("Save"));
  m_revert = new QPushButton(QStringLiteral("Revert"), this);
  m_revert->setObjectName(QStringLiteral("Revert"));
  auto* close = new QPushButton(QStringLiteral("Close"), this);
  close->setObjectName(QStringLiteral("Close"));
  buttons->addStretch(1);
  buttons->addWidget(m_save);
  buttons->addWidget(m_revert);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fileRow);
  layout->addLayout(offerRow);
  layout->addWidget(m_grid, 1);
  layout->addLayout(buttons);
  resize(1240, 640);  // every column in view on a common screen

  connect(open, &QPushButton::clicked, this, &frmCuttingConditions::Open_Click);
  connect(m_load, &QPushButton::clicked, this, &frmCuttingConditions::Load_Click);
  connect(m_save, &QPushButton::clicked, this, [this] { Save_Click(); });
  connect(m_revert, &QPushButton::clicked, this, &frmCuttingConditions::Revert_Click);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(m_grid, &QTableWidget::itemChanged, this, &frmCuttingConditions::cellChanged);

  // A table already read this run is the one of CsvFileName (Material Input
  // and Open... both read that name); before that the name is only offered.
  if (m_table.loaded()) {
    m_path = Q(m_machine.CsvFileName);
    quillon::WholeRead read = quillon::ReadFileBytes(QFile::encodeName(m_path).toStdString());
    if (read.ok()) m_bytes = std::move(read.bytes);
  }
  fill();
}

bool frmCuttingConditions::edited() const {
  for (int row = 1; row <= quillon::kCuttingConditionRecords; ++row)
    for (int column = 1; column <= quillon::kCuttingConditionFields; ++column)
      if (m_edit.cell(row, column) != m_table.cell(row, column)) return true;
  return false;
}

void frmCuttingConditions::fill() {
  m_filling = true;
  for (int row = 1; row <= quillon::kCuttingConditionRecords; ++row) {
    const QString use = m_grid->verticalHeaderItem(row - 1)->toolTip();
    for (int column = 1; column <= quillon::kCuttingConditionFields; ++column) {
      auto* item = new QTableWidgetItem(QString::fromStdString(m_edit.cell(row, column)));
      item->setToolTip(use);
      m_grid->setItem(row - 1, column - 1, item);
    }
  }
  m_filling = false;
  m_file->setText(m_path);
  updateState();
}

void frmCuttingConditions::updateState() {
  const bool loaded = !m_path.isEmpty();
  const QString offered = Q(m_machine.CsvFileName);
  const bool offer = !loaded && !offered.isEmpty() && QFileInfo(offered).isFile();
  m_offer->setText(offer ? QStringLiteral("Last material file: ") + offered
                         : (loaded ? QString() : QStringLiteral("No material file is loaded.")));
  m_load->setVisible(offer);
  m_offer->setVisible(!loaded);
  m_grid->setEnabled(loaded);
  const bool changed = loaded && edited();
  m_save->setEnabled(changed);
  m_revert->setEnabled(changed);
  setWindowTitle(changed ? kTitle + QStringLiteral(" *") : kTitle);
}

void frmCuttingConditions::cellChanged(QTableWidgetItem* item) {
  if (m_filling) return;
  const int row = item->row() + 1, column = item->column() + 1;
  const std::string text = item->text().toStdString();
  if (!quillon::AcceptsConditionText(column, text)) {
    // Spindle and coolant must name their option; the other number columns
    // take what their dialog box takes.
    const QString heading = Q(quillon::CuttingConditionColumns()[static_cast<std::size_t>(column - 1)].heading);
    const std::string label = QStringLiteral("Row %1 %2").arg(row).arg(heading).toStdString();
    const QString why = text.empty() ? QStringLiteral("Row %1 %2: a number is needed.").arg(row).arg(heading)
                                     : Q(quillon::NotANumberMessage(label, text));
    m_filling = true;
    item->setText(QString::fromStdString(m_edit.cell(row, column)));
    m_filling = false;
    m_interaction.message(this, kTitle, why, MessageIcon::Exclamation);
    m_grid->setCurrentItem(item);
    return;
  }
  m_edit.setCell(row, column, text);
  updateState();
}

bool frmCuttingConditions::loadFile(const QString& path) {
  // Read in blocks up to the limit: a device such as /dev/zero never ends.
  quillon::WholeRead read = quillon::ReadFileBytes(QFile::encodeName(path).toStdString());
  if (!read.ok()) {
    m_interaction.message(this, kTitle,
                          path + QStringLiteral(": the material file cannot be opened.\n") + Q(read.reason),
                          MessageIcon::Warning);
    return false;
  }
  std::string text = std::move(read.bytes);
  quillon::CuttingConditionLoad load = quillon::ParseCuttingConditionTable(text, path.toStdString());
  if (!load.ok) {
    m_interaction.message(this, kTitle, Q(load.error), MessageIcon::Warning);
    return false;
  }
  m_table = load.table;
  m_edit = std::move(load.table);
  m_bytes = std::move(text);
  m_path = path;
  m_machine.CsvFileName = path.toStdString();
  m_machine.CsvPathName = QFileInfo(path).absolutePath().toStdString();
  fill();
  return true;
}

void frmCuttingConditions::Open_Click() {
  if (edited()) {
    const Answer a =
        m_interaction.question(this, kTitle, QStringLiteral("The cutting conditions are changed. Do you want save ?"),
                               Buttons::YesNoCancel, MessageIcon::Exclamation);
    if (a == Answer::Cancel || (a == Answer::Yes && !Save_Click())) return;
  }
  const FileDialogResult picked =
      m_interaction.askOpenFile(this, QString(), Q(m_machine.CsvPathName),
                                QFileInfo(Q(m_machine.CsvFileName)).fileName(), QString::fromLatin1(kCsvFilter));
  if (!picked.accepted || picked.path.isEmpty()) return;
  loadFile(picked.path);
}

void frmCuttingConditions::Load_Click() { loadFile(Q(m_machine.CsvFileName)); }

bool frmCuttingConditions::Save_Click() {
  if (m_path.isEmpty()) return false;
  const std::optional<std::string> bytes = quillon::WriteCuttingConditionTable(m_bytes, m_table, m_edit);
  QString reason = QStringLiteral("the file as read is no material file any more");
  bool ok = false;
  if (bytes) {
    // Written beside the file and renamed over it: a failure leaves the old file whole.
    QSaveFile file(m_path);
    ok = file.open(QIODevice::WriteOnly) &&
         file.write(bytes->data(), static_cast<qint64>(bytes->size())) == static_cast<qint64>(bytes->size()) &&
         file.commit();
    if (!ok) reason = file.errorString();
  }
  if (!ok) {
    m_interaction.message(this, kTitle, QStringLiteral("Can not save.\n") + reason, MessageIcon::None);
    return false;
  }
  m_bytes = *bytes;
  m_table = m_edit;
  updateState();
  return true;
}

void frmCuttingConditions::Revert_Click() {
  m_edit = m_table;
  fill();
}

void frmCuttingConditions::closeEvent(QCloseEvent* event) {
  if (edited()) {
    const Answer a =
        m_interaction.question(this, kTitle, QStringLiteral("The cutting conditions are changed. Do you want save ?"),
                               Buttons::YesNoCancel, MessageIcon::Exclamation);
    if (a == Answer::Cancel || (a == Answer::Yes && !Save_Click())) {
      event->ignore();
      return;
    }
    if (a == Answer::No) Revert_Click();
  }
  QDialog::closeEvent(event);
}
