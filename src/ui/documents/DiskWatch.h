#pragma once
// Notices when another program (a DNC transfer, a second editor) changes or
// deletes the file of an open document. The editor remembers the bytes it
// last read or wrote for each document and compares the file with them, so
// its own saves never count as a change. An unchanged document offers to
// reload; a changed one is told on its next Save; a deleted file marks its
// document changed so closing it asks before the text is gone.
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <optional>

#include "ui/platform/Interaction.h"

class DocumentHost;
class QFileSystemWatcher;
class QTimer;
class frmDocument;

class DiskWatch : public QObject {
  Q_OBJECT
 public:
  // Lives as long as docs, whose beforeSave it answers.
  explicit DiskWatch(DocumentHost& docs);

  // Overwrite when the file still holds what the editor last saw; else asks.
  Answer beforeSave(frmDocument& doc, const QString& path);

 private:
  struct Watched {
    QString path;
    std::optional<QByteArray> known;     // what the file held; nullopt when there was none
    std::optional<QByteArray> declined;  // a reload the user refused, not offered again
    QTimer* settle = nullptr;
    bool asking = false;
  };
  void follow(frmDocument* doc);
  void rebase(frmDocument* doc, const QString& path, std::optional<QByteArray> bytes);
  void touched(const QString& path);
  void judge(frmDocument* doc);
  void updateWatches();

  DocumentHost& m_docs;
  QFileSystemWatcher* m_watcher = nullptr;
  QHash<frmDocument*, Watched> m_watched;
};
