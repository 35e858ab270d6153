#pragma once

#include <QCursor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace quorvex {

// One picture of the window: an artwork bitmap of the resource file drawn into the widget's
// rectangle, made again only when the size or the screen's scale changes. It reports pointer
// movement (the hover rules) and clicks (the navigation commands).
class ArtPicture : public QWidget {
    Q_OBJECT
  public:
    ArtPicture(const QString& name, const QString& resource, QWidget* parent);

    QString resource() const { return resource_; }

    // Makes the picture reachable with Tab; Enter, Return or Space then click `target`, the
    // picture that takes the pointer's click (itself, or the highlighted twin a resting picture
    // covers).
    void setKeyboardTarget(ArtPicture* target);

    // A picture lying exactly over this one and opaque wherever this one draws (a resting icon
    // over its highlighted twin): while it shows, this one is neither decoded nor drawn.
    void setCoveredBy(ArtPicture* cover) { cover_ = cover != this ? cover : nullptr; }

  Q_SIGNALS:
    void hovered();
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QString resource_;
    QPixmap cache_;
    QRect drawn_;     // the part of cache_ that is not wholly transparent
    QSize drawnFor_;  // the cache size drawn_ was found for
    bool focusShown_ = false;
    bool pressed_ = false;
    ArtPicture* keyboardTarget_ = nullptr;
    ArtPicture* cover_ = nullptr;
};

// The smallest rectangle, in logical pixels, holding every pixel of `art` that is not wholly
// transparent; empty for a wholly transparent picture.
QRect drawnPart(const QPixmap& art);

// Makes the artwork resources available; every function here calls it first.
void ensureArtwork();

// The bitmap rendered at build time from the drawing `resource` (":/artwork/<name>.svg" names
// <name>.png, and <name>@2x.png for a screen scale above 1).
QString artBitmap(const QString& resource, qreal ratio);

// The artwork `resource` at `size` logical pixels for a screen scale of `ratio`: its 1x or 2x
// bitmap, scaled only when neither has the size asked for. A missing picture is transparent.
QPixmap renderArt(const QString& resource, QSize size, qreal ratio);

// The pointer shown over every clickable picture: 32 x 32, hot spot at column 13, row 5.
QCursor linkCursor();

}  // namespace quorvex
