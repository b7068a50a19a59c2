#pragma once

#include <QWidget>

class QFrame;
class QTimer;

namespace forms {

// The first window: title and version for two and a half seconds, then the main window. The
// copyright line names the given year.
// The timer, a character key or a click on the bare frame hands over, exactly once.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit FrmSplash(int year, QWidget* parent = nullptr);

    QTimer* timer() const { return m_timer; }
    // Whether the splash has been painted; some platforms paint it as it is shown.
    bool isPainted() const { return m_painted; }

signals:
    void handedOver();
    // The splash is on the screen: work that can wait may start once this is handled.
    void firstPainted();

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handOver();

    QFrame* m_frame = nullptr;
    QTimer* m_timer = nullptr;
    bool m_handedOver = false;
    bool m_painted = false;
};

} // namespace forms
