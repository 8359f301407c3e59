#pragma once
#include <QPixmap>
#include <functional>
#include <QWidget>

// A borderless, topmost picture shaped by its magenta pixels: it fades in, stays for its display time, fades
// out and deletes itself.
class CSplashWnd : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDisplayMs = 2000;
    static constexpr int kFadeInMs = 500;
    static constexpr int kFadeOutMs = 200;

    // Owned by parent (may be null) until it deletes itself.
    explicit CSplashWnd(QWidget* parent);

    // The picture, the window's size and shape; false when it cannot be loaded (the window then stays empty).
    bool SetBitmap(const QString& path);
    // Drawn centred over the picture.
    void SetText(const QString& text);
    QString Text() const { return m_strText; }
    // Shows the window without taking the focus and starts the display time.
    void Show();

    // The shape of a picture: every pixel that is not magenta.
    static QRegion ShapeOf(const QPixmap& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Fade(double from, double to, int ms, const std::function<void()>& done);
    void Disappear();

    QPixmap m_picture;
    QString m_strText;
    QFont m_font;
};
