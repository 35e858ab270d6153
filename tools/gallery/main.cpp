// Renders every look of the owner-drawn controls into PNG files:
//   quorvex_gallery [output-folder]
// writes chameleon_button.png, xp_progress_bar.png and uc_histogram.png (default: the current
// folder).
#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextStream>

#include <cmath>

#include "app/controls/qt_surface.h"
#include "app/controls/qt_text_renderer.h"
#include "app/controls/uc_histogram_widget.h"
#include "app/controls/xp_progress_bar_widget.h"
#include "controls/chameleon_button_painter.h"
#include "controls/xp_progress_bar_painter.h"

using namespace quorvex;

namespace {

constexpr int kLabelWidth = 110;
constexpr int kPad = 8;

QImage sheet(int width, int height) {
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(QColor(212, 208, 200));
    return img;
}

void label(QPainter& p, int x, int y, const QString& text) {
    p.setPen(Qt::black);
    p.drawText(QRect(x, y, kLabelWidth, 20), Qt::AlignLeft | Qt::AlignVCenter, text);
}

bool save(const QImage& img, const QDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!img.save(path)) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return false;
    }
    QTextStream(stdout) << path << "\n";
    return true;
}

QImage buttons() {
    const int bw = 130, bh = 30;
    const char* conditions[] = {"normal", "hover", "pressed", "focused", "disabled"};
    const int rows = 14 + 3;
    QImage img = sheet(kLabelWidth + 5 * (bw + kPad) + kPad, 24 + rows * (bh + kPad) + kPad);
    QPainter p(&img);
    for (int c = 0; c < 5; ++c)
        label(p, kLabelWidth + c * (bw + kPad), 2, QString::fromLatin1(conditions[c]));
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    QtTextRenderer text;
    PixelSurface background(bw, bh);
    background.fill(toPixel(colour::rgb(212, 208, 200)));
    const auto row = [&](int r, ButtonLook look, ButtonScheme scheme, const QString& name) {
        const int y = 24 + r * (bh + kPad);
        label(p, kPad, y + 5, name);
        for (int c = 0; c < 5; ++c) {
            button::Look l;
            l.buttonType = look;
            l.caption = "E&nable Optimized";
            l.font = toFontSpec(font);
            l.hover = c == 1;
            l.pressed = c == 2;
            l.focus = c == 3;
            l.enabled = c != 4;
            button::SchemeInput in;
            in.scheme = scheme;
            in.look = look;
            in.backColor = colour::rgb(236, 233, 216);
            in.backOver = colour::rgb(255, 240, 200);
            in.foreColor = colour::kBlack;
            in.foreOver = colour::rgb(0, 0, 160);
            in.maskColor = colour::rgb(192, 192, 192);
            in.containerBack = colour::rgb(212, 208, 200);
            in.containerText = colour::kBlack;
            in.hovering = l.hover;
            in.system = platformSystemColours();
            l.colours = button::deriveColours(in);
            if (look == ButtonLook::Transparent) l.background = &background;
            const PixelSurface face = button::paintButton(bw, bh, l, text);
            const int x = kLabelWidth + c * (bw + kPad);
            p.save();
            p.setClipRegion(toRegion(button::buttonRegion(look, bw, bh)).translated(x, y));
            p.drawImage(x, y, wrapSurface(face));
            p.restore();
        }
    };
    // Every saved look number, then the XP look under the other schemes.
    for (int look = 1; look <= 14; ++look)
        row(look - 1, static_cast<ButtonLook>(look), ButtonScheme::System,
            QStringLiteral("look %1").arg(look));
    for (int scheme = 2; scheme <= 4; ++scheme)
        row(14 + scheme - 2, ButtonLook::WindowsXp, static_cast<ButtonScheme>(scheme),
            QStringLiteral("look 3, scheme %1").arg(scheme));
    return img;
}

QImage bars() {
    const int percents[] = {0, 7, 50, 98, 100};
    const int bw = 137, bh = 20;
    const int rows = 10;
    const int verticalBlock = 180;
    QImage img =
        sheet(kLabelWidth + 5 * (bw + kPad) + kPad, 24 + rows * (bh + kPad) + verticalBlock + kPad);
    QPainter p(&img);
    for (int c = 0; c < 5; ++c)
        label(p, kLabelWidth + c * (bw + kPad), 2, QStringLiteral("%1 %").arg(percents[c]));
    QImage pattern(4, 4, QImage::Format_RGB32);
    pattern.fill(QColor(255, 220, 120));
    pattern.setPixel(0, 0, qRgb(200, 80, 0));
    pattern.setPixel(2, 2, qRgb(200, 80, 0));
    const PixelSurface patternPixels = copyImage(pattern);
    QtTextRenderer text;
    const auto paintOne = [&](int style, int percent, bool vertical, int w, int h, int x, int y) {
        progressbar::BarState s;
        s.Color = style == 6 ? colour::rgb(192, 192, 192) : colour::rgb(49, 106, 197);
        s.Percent = percent;
        s.Scrolling = style;
        s.Orientation = vertical ? 1 : 0;
        s.ShowText = !vertical;
        s.BrushStyle = 4;
        s.Image = &patternPixels;
        s.Font = toFontSpec(QFont());
        s.system = platformSystemColours();
        PixelSurface buffer(w, h);
        progressbar::DrawProgressBar(buffer, w, h, s, text);
        p.drawImage(x, y, wrapSurface(buffer));
    };
    for (int style = 0; style <= 9; ++style) {
        const int y = 24 + style * (bh + kPad);
        label(p, kPad, y, QStringLiteral("style %1").arg(style));
        for (int c = 0; c < 5; ++c)
            paintOne(style, percents[c], false, bw, bh, kLabelWidth + c * (bw + kPad), y);
    }
    const int vy = 24 + rows * (bh + kPad);
    label(p, kPad, vy, QStringLiteral("vertical 0, 1, 2"));
    int x = kLabelWidth;
    for (int style : {0, 1, 2}) {
        for (int percent : percents) {
            paintOne(style, percent, true, 17, 161, x, vy);
            x += 17 + 6;
        }
        x += 20;
    }
    return img;
}

QImage histograms() {
    const int w = 191, h = 201;
    const char* names[] = {"empty", "growing", "full", "negative ends", "flat zeros"};
    QImage img = sheet(5 * (w + kPad) + kPad, 24 + h + kPad);
    QPainter p(&img);
    for (int c = 0; c < 5; ++c) {
        ucHistogram graph(monitorHistogramDesignBag());
        graph.resize(w, h);
        graph.Refresh();
        const auto wave = [](int i) {
            return static_cast<int>(50 + 40 * std::sin(i / 6.0) + (i * 37 % 11));
        };
        switch (c) {
            case 1:
                for (int i = 0; i < 40; ++i) graph.NextPoint(wave(i));
                break;
            case 2:
                for (int i = 0; i < 160; ++i) graph.NextPoint(wave(i));
                break;
            case 3:
                for (int i = 0; i < 30; ++i) graph.NextPoint(wave(i));
                graph.NextPoint(-1);
                for (int i = 0; i < 20; ++i) graph.NextPoint(wave(i));
                break;
            case 4:
                for (int i = 0; i < 60; ++i) graph.NextPoint(wave(i));
                for (int i = 0; i < 200; ++i) graph.NextPoint(0);
                break;
            default:
                break;
        }
        const int x = kPad + c * (w + kPad);
        label(p, x, 2, QString::fromLatin1(names[c]));
        p.drawImage(x, 24, graph.surface());
    }
    return img;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        QTextStream(stderr) << "cannot create " << dir.path() << "\n";
        return 1;
    }
    bool ok = save(buttons(), dir, QStringLiteral("chameleon_button.png"));
    ok = save(bars(), dir, QStringLiteral("xp_progress_bar.png")) && ok;
    ok = save(histograms(), dir, QStringLiteral("uc_histogram.png")) && ok;
    return ok ? 0 : 1;
}
