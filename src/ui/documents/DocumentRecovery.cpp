#include "ui/documents/DocumentRecovery.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <optional>
#include <vector>

#include "app/settings.h"
#include "document/recovery_file.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"
#include "ui/documents/frmRecovery.h"

namespace {
// A day: anything longer is as good as never.
constexpr int kMaxIntervalSeconds = 24 * 60 * 60;
// A program file is at most a few ten kilobytes; a bigger "recovery file" is none of ours.
constexpr qint64 kMaxRecoveryFileBytes = 64 * 1024 * 1024;

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Unique among the runs that share the folder: the start time, the process,
// and a count for the editors one process builds (the widget tests).
QString RunName() {
  static std::atomic<int> editors{0};
  return QStringLiteral("%1_%2_%3")
      .arg(QDateTime::currentMSecsSinceEpoch())
      .arg(QCoreApplication::applicationPid())
      .arg(++editors);
}

struct Leftover {
  QString fileName;
  quillon::RecoveryRecord record;
};
}  // namespace

DocumentRecovery::DocumentRecovery(DocumentHost& docs, const quillon::AppSettings& settings, const QString& folder,
                                   OpenText open)
    : QObject(&docs), m_docs(docs), m_settings(settings), m_folder(folder), m_run(RunName()), m_open(std::move(open)) {
  QDir().mkpath(m_folder);
  m_lock =
      std::make_unique<QLockFile>(filePath(QString::fromStdString(quillon::RecoveryLockName(m_run.toStdString()))));
  // Only a dead process makes a lock stale, however long the run has lived.
  m_lock->setStaleLockTime(0);
  m_lock->tryLock(0);
  for (frmDocument* doc : m_docs.documents()) track(doc);
  connect(&m_docs, &DocumentHost::documentCreated, this, &DocumentRecovery::track);
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) writePending();
  });
}

DocumentRecovery::~DocumentRecovery() {
  // The copies stay: a document still open here was neither saved nor
  // closed, so the next start offers it (the lock goes with this object).
  for (Tracked& t : m_tracked) t.timer->stop();
}

QString DocumentRecovery::filePath(const QString& fileName) const { return m_folder + QLatin1Char('/') + fileName; }

void DocumentRecovery::track(frmDocument* doc) {
  if (!doc || m_tracked.contains(doc)) return;
  Tracked& t = m_tracked[doc];
  t.fileName = QString::fromStdString(quillon::RecoveryFileName(m_run.toStdString(), ++m_serial));
  t.timer = new QTimer(this);
  t.timer->setSingleShot(true);
  connect(t.timer, &QTimer::timeout, this, [this, doc] { write(doc); });
  QTextDocument* text = doc->txtText->document();
  connect(text, &QTextDocument::contentsChanged, this, [this, doc] { changed(doc); });
  // Saved, reloaded or undone back to the file: the copy has no use left.
  connect(text, &QTextDocument::modificationChanged, this, [this, doc](bool modified) {
    if (modified)
      changed(doc);
    else
      remove(doc);
  });
  connect(doc, &frmDocument::unloaded, this, [this](frmDocument* d) { remove(d); });
  connect(doc, &QObject::destroyed, this, [this, doc] {
    if (auto it = m_tracked.find(doc); it != m_tracked.end()) {
      delete it->timer;
      m_tracked.erase(it);
    }
  });
  if (doc->DataChanged()) changed(doc);
}

void DocumentRecovery::changed(frmDocument* doc) {
  auto it = m_tracked.find(doc);
  if (it == m_tracked.end() || !doc->DataChanged()) return;
  it->changedMs = QDateTime::currentMSecsSinceEpoch();
  it->pending = true;
  // The first change after a copy starts the clock; later ones ride along.
  if (!it->timer->isActive()) it->timer->start(std::clamp(m_settings.RecoveryInterval, 0, kMaxIntervalSeconds) * 1000);
}

void DocumentRecovery::writePending() {
  for (auto it = m_tracked.begin(); it != m_tracked.end(); ++it)
    if (it->pending) write(it.key());
}

void DocumentRecovery::write(frmDocument* doc) {
  auto it = m_tracked.find(doc);
  if (it == m_tracked.end()) return;
  it->timer->stop();
  if (!it->pending || !doc->DataChanged()) return;
  quillon::RecoveryRecord record;
  record.path = doc->filePath().toStdString();
  record.caption = doc->caption().toStdString();
  record.style = doc->lineEndStyle();
  record.changedMs = it->changedMs;
  record.text = doc->text();
  const std::string bytes = quillon::WriteRecoveryFile(record);
  // Written aside and renamed: a crash while writing leaves the last copy whole.
  QSaveFile file(filePath(it->fileName));
  if (file.open(QIODevice::WriteOnly) &&
      file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size()) &&
      file.commit()) {
    it->pending = false;
  } else {
    // No dialog every interval: the document itself is still open and intact.
    qWarning("Quillon: cannot write the recovery file %s: %s", qPrintable(file.fileName()),
             qPrintable(file.errorString()));
  }
}

void DocumentRecovery::remove(frmDocument* doc) {
  auto it = m_tracked.find(doc);
  if (it == m_tracked.end()) return;
  it->timer->stop();
  it->pending = false;
  QFile::remove(filePath(it->fileName));
}

bool DocumentRecovery::runAlive(const QString& run) const {
  const QString lockPath = filePath(QString::fromStdString(quillon::RecoveryLockName(run.toStdString())));
  if (!QFile::exists(lockPath)) return false;
  QLockFile lock(lockPath);
  lock.setStaleLockTime(0);
  // A lock whose process is gone is taken over (and given back at once);
  // one that cannot be judged counts as alive, so its copies are not stolen.
  if (!lock.tryLock(0)) return true;
  lock.unlock();
  return false;
}

void DocumentRecovery::offerLeftovers() {
  std::vector<Leftover> leftovers;
  QHash<QString, bool> alive;
  const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.qrec")}, QDir::Files, QDir::Name);
  for (const QString& name : names) {
    const std::optional<std::string> run = quillon::RecoveryFileRun(name.toStdString());
    if (!run || Utf8(*run) == m_run) continue;
    const QString runName = Utf8(*run);
    if (!alive.contains(runName)) alive.insert(runName, runAlive(runName));
    if (alive.value(runName)) continue;
    QFile file(filePath(name));
    if (file.size() > kMaxRecoveryFileBytes || !file.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = file.readAll();
    // A file that does not read back is left where it is, not deleted.
    if (auto record =
            quillon::ReadRecoveryFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
      leftovers.push_back({name, std::move(*record)});
  }
  // Locks of dead runs that left no copies (killed with nothing unsaved) are
  // cleared too; runAlive takes a stale one over and gives it back.
  for (const QString& name : QDir(m_folder).entryList({QStringLiteral("*.lock")}, QDir::Files)) {
    const QString run = name.chopped(5);
    if (run != m_run && !alive.contains(run)) runAlive(run);
  }
  if (leftovers.empty()) return;
  std::sort(leftovers.begin(), leftovers.end(),
            [](const Leftover& a, const Leftover& b) { return a.record.changedMs < b.record.changedMs; });

  QList<frmRecovery::Row> rows;
  for (const Leftover& l : leftovers)
    rows.append({Utf8(l.record.path), l.record.changedMs, static_cast<qint64>(l.record.text.size())});
  frmRecovery dialog(rows, m_docs.window());
  dialog.exec();
  if (dialog.choice() == frmRecovery::Later) return;
  for (const Leftover& l : leftovers) {
    if (dialog.choice() == frmRecovery::Recover) {
      frmDocument* doc = m_open(Utf8(l.record.path), l.record.text, l.record.style);
      if (!doc) continue;
      // This run's copy exists before the old one goes: a crash in between loses nothing.
      track(doc);
      auto it = m_tracked.find(doc);
      it->changedMs = l.record.changedMs;
      it->pending = true;
      write(doc);
      if (it->pending) continue;
    }
    QFile::remove(filePath(l.fileName));
  }
}
