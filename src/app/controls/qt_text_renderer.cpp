#include "app/controls/qt_text_renderer.h"

#include <QPainter>

#include "app/controls/qt_surface.h"

namespace quorvex {

namespace {

int qtFlags(unsigned flags) {
    int f = 0;
    f |= (flags & text::kHCentre) ? Qt::AlignHCenter
         : (flags & text::kRight) ? Qt::AlignRight
                                  : Qt::AlignLeft;
    f |= (flags & text::kVCentre)  ? Qt::AlignVCenter
         : (flags & text::kBottom) ? Qt::AlignBottom
                                   : Qt::AlignTop;
    f |= (flags & text::kWordWrap) ? Qt::TextWordWrap : Qt::TextSingleLine;
    if (flags & text::kAccessKey) f |= Qt::TextShowMnemonic;
    return f;
}

QRect toQRect(const PixelRect& r) {
    return QRect(static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.width()),
                 static_cast<int>(r.height()));
}

}  // namespace

const QFont& QtTextRenderer::fontFor(const FontSpec& wanted) {
    if (!lastWanted_ || !(*lastWanted_ == wanted)) {
        lastFont_ = toQFont(wanted);
        lastFont_.setStyleStrategy(QFont::NoAntialias);
        lastMetrics_ = QFontMetrics(lastFont_);
        lastWanted_ = wanted;
    }
    return lastFont_;
}

TextExtent QtTextRenderer::measure(const FontSpec& font, std::string_view utf8) {
    fontFor(font);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return {lastMetrics_.horizontalAdvance(text), lastMetrics_.height()};
}

void QtTextRenderer::draw(PixelSurface& surface, const FontSpec& font, std::string_view utf8,
                          ColorRef colour, const PixelRect& box, unsigned flags,
                          const PixelRect& clip) {
    const PixelRect area = clip.intersected(surface.rect());
    if (area.isEmpty() || utf8.empty()) return;
    QImage image = wrapSurface(surface);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(fontFor(font));
    p.setClipRect(toQRect(area));
    p.setPen(QColor(colour::red(colour), colour::green(colour), colour::blue(colour)));
    p.drawText(toQRect(box), qtFlags(flags),
               QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

}  // namespace quorvex
