#pragma once
// Crash recovery: while a document has changes its file does not hold, its
// text is copied to a recovery file in a per-user folder, at most once per
// interval after a change and whenever the program loses the focus. Saving
// the document or closing it removes the copy, so after a clean exit none is
// left. The run holds a lock in the folder while it lives: at the next start
// the copies of runs whose lock is gone (or whose process died) are offered
// back, while those of another running editor are left to it.
#include <QHash>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "document/text_file.h"

class DocumentHost;
class QTimer;
class frmDocument;

namespace quillon {
struct AppSettings;
}

class DocumentRecovery : public QObject {
  Q_OBJECT
 public:
  // Opens text as a changed document under path ("" for an untitled one).
  using OpenText = std::function<frmDocument*(const QString& path, const std::string& text, quillon::LineEndStyle)>;

  // Takes this run's lock in folder (made when missing) and follows every
  // document of docs, those open already included. The interval and the
  // switch are read from settings each time they are needed.
  DocumentRecovery(DocumentHost& docs, const quillon::AppSettings& settings, const QString& folder, OpenText open);
  ~DocumentRecovery() override;

  // The copies dead runs left, offered in frmRecovery: Recover opens each,
  // Discard removes each, closing the dialog keeps them for the next start.
  void offerLeftovers();
  // Writes every document with changes not yet copied, now.
  void writePending();

 private:
  struct Tracked {
    QString fileName;
    QTimer* timer = nullptr;
    qint64 changedMs = 0;
    bool pending = false;
  };
  void track(frmDocument* doc);
  void changed(frmDocument* doc);
  void write(frmDocument* doc);
  void remove(frmDocument* doc);
  bool runAlive(const QString& run) const;
  QString filePath(const QString& fileName) const;

  DocumentHost& m_docs;
  const quillon::AppSettings& m_settings;
  QString m_folder;
  QString m_run;
  OpenText m_open;
  std::unique_ptr<QLockFile> m_lock;
  QHash<frmDocument*, Tracked> m_tracked;
  int m_serial = 0;
};
