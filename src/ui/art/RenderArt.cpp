// quillon_art OUTDIR [SAMPLE]: writes the installed icons (the program icon
// and one document icon per program kind, PNG at the theme sizes and SVG) as
// a hicolor tree under OUTDIR, and with SAMPLE a screenshot of the main
// window holding that program. Runs at build time on the offscreen platform.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>
#include <cstdio>
#include <functional>

#include "app/settings.h"
#include "ui/platform/Interaction.h"
#include "ui/shell/AppIcon.h"
#include "ui/shell/Editor.h"
#include "ui/shell/frmMain.h"

namespace {

using Paint = std::function<void(QPainter&, int size)>;

struct DocumentKind {
  const char* iconName;
  const char* label;
  QColor band;
};

// clang-format off
const DocumentKind kDocumentKinds[] = {
  // icon name                              label   band colour
  {"text-x-quillon-main-program",           "MIN",  QColor(40, 100, 170)},
  {"text-x-quillon-system-subprogram",      "SSB",  QColor(40, 140, 80)},
  {"text-x-quillon-library",                "LIB",  QColor(150, 80, 150)},
};
// clang-format on

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};

// A page with a folded corner, the program icon on it and a band with the
// kind's label; below 32 pixels the label cannot be read and is left out.
void PaintDocumentIcon(QPainter& p, const DocumentKind& kind, int size) {
  QPainterPath page;
  page.moveTo(5, 1);
  page.lineTo(21, 1);
  page.lineTo(27, 7);
  page.lineTo(27, 31);
  page.lineTo(5, 31);
  page.closeSubpath();
  p.setPen(QPen(QColor(90, 90, 90), 0.8));
  p.setBrush(QColor(250, 250, 250));
  p.drawPath(page);
  QPainterPath fold;
  fold.moveTo(21, 1);
  fold.lineTo(21, 7);
  fold.lineTo(27, 7);
  fold.closeSubpath();
  p.setBrush(QColor(210, 210, 210));
  p.drawPath(fold);
  p.save();
  p.translate(8, 5);
  p.scale(0.5, 0.5);
  PaintQuillonIcon(p);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(kind.band);
  p.drawRect(QRectF(5.4, 22, 21.2, 8.6));
  if (size < 32) return;
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(7);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(5, 22, 22, 8.6), Qt::AlignCenter, QString::fromLatin1(kind.label));
}

bool WritePng(const QString& path, int size, const Paint& paint) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.scale(size / 32.0, size / 32.0);
  paint(p, size);
  p.end();
  return image.save(path, "PNG");
}

bool WriteSvg(const QString& path, const QString& title, const Paint& paint) {
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setSize(QSize(32, 32));
  svg.setViewBox(QRect(0, 0, 32, 32));
  svg.setTitle(title);
  QPainter p(&svg);
  p.setRenderHint(QPainter::Antialiasing);
  paint(p, 256);
  return p.end();
}

// Writes one icon at every size into hicolor/<size>/<context>/ and scalable/.
bool WriteIcon(const QString& root, const char* context, const QString& name, const Paint& paint) {
  bool ok = true;
  for (int size : kSizes) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/%3").arg(root).arg(size).arg(QLatin1String(context));
    ok = QDir().mkpath(folder) && WritePng(folder + "/" + name + ".png", size, paint) && ok;
  }
  const QString scalable = QStringLiteral("%1/hicolor/scalable/%2").arg(root, QLatin1String(context));
  return QDir().mkpath(scalable) && WriteSvg(scalable + "/" + name + ".svg", name, paint) && ok;
}

// Answers every dialog with cancel, so a problem while loading the sample
// fails the build step instead of waiting for a click nobody can give.
class SilentInteraction : public Interaction {
 public:
  FileDialogResult askOpenFile(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }
  FileDialogResult askSaveFile(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
    return {};
  }
  Answer question(QWidget*, const QString&, const QString&, Buttons, MessageIcon) override { return Answer::Cancel; }
  void message(QWidget*, const QString& title, const QString& text, MessageIcon) override {
    std::fprintf(stderr, "quillon_art: %s: %s\n", qPrintable(title), qPrintable(text));
    failed = true;
  }
  bool launch(const QString&, const QStringList&, QString*) override { return false; }
  bool failed = false;
};

bool WriteScreenshot(const QString& path, const QString& sample) {
  quillon::MemorySettingsStore store;
  SilentInteraction interaction;
  quillon::SettingPlaces places;
  places.appFolder = QDir::tempPath().toStdString();
  places.homeFolder = QDir::tempPath().toStdString();
  Editor editor(store, interaction, places);
  editor.window().load(sample);
  editor.window().resize(900, 600);
  editor.window().show();
  QApplication::processEvents();
  return !interaction.failed && editor.window().grab().save(path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quillon"));
  QApplication::setWindowIcon(QuillonIcon());
  const QStringList args = QApplication::arguments();
  if (args.size() < 2 || args.size() > 3) {
    std::fputs("usage: quillon_art OUTDIR [SAMPLE]\n", stderr);
    return 2;
  }
  const QString root = args[1];
  bool ok = WriteIcon(root, "apps", QStringLiteral("quillon"), [](QPainter& p, int) { PaintQuillonIcon(p); });
  for (const DocumentKind& kind : kDocumentKinds)
    ok = WriteIcon(root, "mimetypes", QString::fromLatin1(kind.iconName),
                   [&kind](QPainter& p, int size) { PaintDocumentIcon(p, kind, size); }) &&
         ok;
  if (args.size() == 3) ok = WriteScreenshot(root + "/screenshot.png", args[2]) && ok;
  if (!ok) std::fputs("quillon_art: could not write every file\n", stderr);
  return ok ? 0 : 1;
}
