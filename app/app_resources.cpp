// own
#include "app/app_resources.h"

// Qt
#include <QBitmap>
#include <QColor>

// The resource file is compiled into this static library; registering it here keeps the linker
// from dropping it.
static void LoadResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(corvantine);
        return true;
    }();
    (void)loaded;
}

namespace {
const QColor kTransparent(192, 192, 192);
constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;

QPixmap Masked(const QString& path) {
    LoadResources();
    QPixmap pixmap(path);
    pixmap.setMask(pixmap.createMaskFromColor(kTransparent));
    return pixmap;
}
} // namespace

// The installed theme icons (SVG and PNGs in hicolor) where the desktop finds them; the bitmaps
// where it does not, as when running from the build tree.
QIcon ApplicationIcon() {
    return QIcon::fromTheme(QStringLiteral("com.quellton.corvantine"),
                            QIcon(Masked(QStringLiteral(":/res/corvantine.bmp"))));
}

QIcon DocumentIcon() {
    return QIcon::fromTheme(QStringLiteral("application-x-corvantine-kvx"),
                            QIcon(Masked(QStringLiteral(":/res/document.bmp"))));
}

std::vector<QPixmap> ToolbarImages() {
    const QPixmap strip = Masked(QStringLiteral(":/res/toolbar.bmp"));
    std::vector<QPixmap> images;
    for (int x = 0; x + kImageWidth <= strip.width(); x += kImageWidth)
        images.push_back(strip.copy(x, 0, kImageWidth, kImageHeight));
    return images;
}
