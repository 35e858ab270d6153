#include "app/frm_splash.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "app/art_picture.h"
#include "app/form1.h"
#include "platform/event_pump.h"

namespace quorvex {

frmSplash::frmSplash(std::function<Form1&()> mainWindow, EventPump& pump, SplashTimings timings,
                     QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      mainWindow_(std::move(mainWindow)),
      pump_(pump),
      timings_(timings) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Quorvex"));
    setFixedSize(kWidth, kHeight);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);

    timer2_.setInterval(timings_.zeroFeedIntervalMs);
    timer1_.setInterval(timings_.showMainWindowMs);
    timer1_.setSingleShot(true);
    connect(&timer2_, &QTimer::timeout, this, &frmSplash::onTimer2);
    connect(&timer1_, &QTimer::timeout, this, &frmSplash::onTimer1);
}

void frmSplash::start() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    show();
}

void frmSplash::showEvent(QShowEvent* event) {
    // Both timers run from the moment the splash is shown until it closes.
    if (!started_) {
        started_ = true;
        timer2_.start();
        timer1_.start();
    }
    QWidget::showEvent(event);
}

void frmSplash::paintEvent(QPaintEvent*) {
    // Image1: the splash artwork over the whole client area.
    const qreal ratio = devicePixelRatioF();
    if (picture_.isNull() || !qFuzzyCompare(picture_.devicePixelRatio(), ratio))
        picture_ = renderArt(QStringLiteral(":/artwork/splash.svg"), size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void frmSplash::onTimer2() {
    // The first tick creates and loads the main window. The loop keeps the main window for its
    // whole run, so closing the splash in the middle of it (Timer1) does not cut it short.
    Form1& form = mainWindow_();
    EventPump& pump = pump_;
    const int count = timings_.zeroLoop;
    for (int i = 0; i < count; ++i) {
        form.histogram1().NextPoint(0);
        pump.processEvents();
        form.histogram2().NextPoint(0);
    }
}

void frmSplash::onTimer1() {
    Form1& form = mainWindow_();
    form.show();
    close();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    timer1_.stop();
    timer2_.stop();
    event->accept();
}

}  // namespace quorvex
