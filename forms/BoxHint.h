#pragma once

#include "forms/StorableTextValidator.h"

#include <QObject>
#include <QTimer>

class QLabel;
class QLineEdit;

namespace forms {

// A small note to the right of a box, shown only while it has something to say: for a number
// box, what its text will read as when that is not what the user sees; for any box, why the
// last keystroke was refused, until the next accepted edit or a few seconds have passed. It
// never interrupts the typing. The note is the label named after the box with "Hint" added.
class BoxHint : public QObject {
    Q_OBJECT
public:
    enum class Content { Number, Text };

    // Gives the box its validator of storable text and a note beside it; the box must already
    // stand in its layout, where the pair takes its place. A box whose file writes its text its
    // own way gives that file's rule of what it can store.
    static BoxHint* attach(QLineEdit* box, Content content, StorableTextValidator::Rule rule = nullptr);

private:
    BoxHint(QLineEdit* box, Content content, StorableTextValidator::Rule rule);
    void showReading();
    void showRefusal(const QString& reason);
    void showNote(const QString& note);

    QLineEdit* m_box;
    QLabel* m_note = nullptr;
    Content m_content;
    QTimer m_refusalShown;
};

} // namespace forms
