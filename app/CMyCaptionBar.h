#pragma once
#include <QFrame>

class QLabel;

// The line of guidance under the ribbon: a bitmap and a left-aligned text; it has no close button and no menu.
class CMyCaptionBar : public QFrame {
    Q_OBJECT
public:
    explicit CMyCaptionBar(QWidget* parent);

    void SetText(const QString& text);
    QString Text() const;

private:
    QLabel* m_text;
};
