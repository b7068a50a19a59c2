#pragma once

#include <QWidget>

class Platform;
class QFrame;
class QTimer;

// The first window: title and version for two and a half seconds, then the main window.
// The timer, a character key or a click on the bare frame hands over, exactly once.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(Platform& platform, QWidget* parent = nullptr);

    QTimer* timer() const { return m_timer; }

signals:
    void handedOver();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handOver();

    QFrame* m_frame = nullptr;
    QTimer* m_timer = nullptr;
    bool m_handedOver = false;
};
