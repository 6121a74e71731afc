#include "ui/documents/DiskWatch.h"

#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QPointer>
#include <QSet>
#include <QTimer>

#include "document/text_file.h"
#include "ui/documents/DocumentHost.h"
#include "ui/documents/frmDocument.h"

namespace {
const QString kAppName = QStringLiteral("Quillon");
// A transfer writes in pieces and a save renames a new file into place: the
// file is judged once it has been quiet this long.
constexpr int kSettleMs = 200;

// The file's bytes; nullopt when it is missing or cannot be read.
std::optional<QByteArray> ReadBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}
}  // namespace

DiskWatch::DiskWatch(DocumentHost& docs) : QObject(&docs), m_docs(docs), m_watcher(new QFileSystemWatcher(this)) {
  connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &DiskWatch::touched);
  connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &DiskWatch::touched);
  for (frmDocument* doc : m_docs.documents()) follow(doc);
  connect(&m_docs, &DocumentHost::documentCreated, this, &DiskWatch::follow);
  connect(&m_docs, &DocumentHost::documentSaved, this,
          [this](frmDocument* doc, const QString& path, const QByteArray& bytes) { rebase(doc, path, bytes); });
  m_docs.beforeSave = [this](frmDocument& doc, const QString& path) { return beforeSave(doc, path); };
}

void DiskWatch::follow(frmDocument* doc) {
  if (!doc || m_watched.contains(doc)) return;
  m_watched[doc].settle = new QTimer(this);
  m_watched[doc].settle->setSingleShot(true);
  m_watched[doc].settle->setInterval(kSettleMs);
  connect(m_watched[doc].settle, &QTimer::timeout, this, [this, doc] { judge(doc); });
  connect(doc, &QObject::destroyed, this, [this, doc] {
    if (auto it = m_watched.find(doc); it != m_watched.end()) {
      delete it->settle;
      m_watched.erase(it);
      updateWatches();
    }
  });
  if (!doc->filePath().isEmpty()) rebase(doc, doc->filePath(), ReadBytes(doc->filePath()));
}

void DiskWatch::rebase(frmDocument* doc, const QString& path, std::optional<QByteArray> bytes) {
  auto it = m_watched.find(doc);
  if (it == m_watched.end()) return;
  it->path = path;
  it->known = std::move(bytes);
  it->declined.reset();
  // The save renamed a new file over the old one: a watch on the old one
  // would hear nothing more.
  m_watcher->removePath(path);
  updateWatches();
}

void DiskWatch::updateWatches() {
  QSet<QString> files, folders;
  for (const Watched& w : m_watched) {
    if (w.path.isEmpty()) continue;
    // A missing file is waited for in its folder.
    if (QFileInfo::exists(w.path))
      files.insert(w.path);
    else
      folders.insert(QFileInfo(w.path).absolutePath());
  }
  for (const QString& path : m_watcher->files())
    if (!files.contains(path)) m_watcher->removePath(path);
  for (const QString& path : m_watcher->directories())
    if (!folders.contains(path)) m_watcher->removePath(path);
  for (const QString& path : files)
    if (!m_watcher->files().contains(path)) m_watcher->addPath(path);
  for (const QString& path : folders)
    if (!m_watcher->directories().contains(path)) m_watcher->addPath(path);
}

void DiskWatch::touched(const QString& path) {
  for (auto it = m_watched.begin(); it != m_watched.end(); ++it)
    if (!it->path.isEmpty() && (it->path == path || QFileInfo(it->path).absolutePath() == path)) it->settle->start();
}

void DiskWatch::judge(frmDocument* doc) {
  auto it = m_watched.find(doc);
  if (it == m_watched.end() || it->path.isEmpty() || it->asking) return;
  const QString path = it->path;
  // Whatever happened, the watch follows the file now under that name.
  m_watcher->removePath(path);
  updateWatches();
  if (!QFileInfo::exists(path)) {
    if (it->known) {
      it->known.reset();
      doc->setDataChanged(true);
    }
    return;
  }
  const std::optional<QByteArray> now = ReadBytes(path);
  // Unreadable for the moment: the next change or the next Save tells.
  if (!now || now == it->known || now == it->declined || doc->DataChanged()) return;
  it->asking = true;
  const QPointer<frmDocument> guard(doc);
  const Answer answer = m_docs.interaction().question(
      m_docs.window(), kAppName, path + QStringLiteral("\nchanged on disk.\nDo you want to reload it?"), Buttons::YesNo,
      MessageIcon::Exclamation);
  if (!guard) return;
  it = m_watched.find(doc);
  if (it == m_watched.end()) return;
  it->asking = false;
  if (answer != Answer::Yes || doc->DataChanged()) {
    it->declined = now;
    return;
  }
  const quillon::DecodedText decoded =
      quillon::DecodeProgramBytes(std::string_view(now->constData(), static_cast<std::size_t>(now->size())));
  doc->loadText(decoded.text);
  doc->setLineEndStyle(decoded.style);
  doc->setDataChanged(false);
  it->known = now;
  it->declined.reset();
}

Answer DiskWatch::beforeSave(frmDocument& doc, const QString& path) {
  auto it = m_watched.find(&doc);
  // Another name: the save dialog has asked about replacing it already.
  if (it == m_watched.end() || it->path.isEmpty() || it->path != path) return Answer::Overwrite;
  const bool exists = QFileInfo::exists(path);
  const std::optional<QByteArray> now = exists ? ReadBytes(path) : std::nullopt;
  if (exists ? (now && now == it->known) : !it->known) return Answer::Overwrite;
  const Answer answer = m_docs.interaction().question(m_docs.window(), kAppName,
                                                      path + QStringLiteral("\nchanged on disk since it was opened."),
                                                      Buttons::OverwriteSaveAsCancel, MessageIcon::Exclamation);
  return answer == Answer::Overwrite || answer == Answer::SaveAs ? answer : Answer::Cancel;
}
