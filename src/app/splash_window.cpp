#include "app/splash_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/art_picture.h"

namespace quorvex {

frmSplash::frmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quorvex"));
    setFixedSize(kWidth, kHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
}

void frmSplash::showCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void frmSplash::paintEvent(QPaintEvent*) {
    // Image1: the splash artwork over the whole client area.
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || !qFuzzyCompare(picture_.devicePixelRatio(), ratio))
        picture_ = renderArt(QStringLiteral(":/artwork/splash.svg"), size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace quorvex
