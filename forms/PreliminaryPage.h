#pragma once

#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QVBoxLayout;

namespace forms {

// The main window's first tab: the equipment list to choose from, the box for a new name, Start
// Analysis, Refresh List and Exit. What a choice or a start does is the main window's: the page
// says which entry was chosen and which button was pressed.
class PreliminaryPage : public QWidget {
    Q_OBJECT
public:
    explicit PreliminaryPage(QWidget* parent = nullptr);

    void showCredit(const QString& line);

    // The equipment list. Filling it or choosing in it quietly runs no choice of the user's.
    void showEntries(const QStringList& names);
    void showEntriesQuietly(const QStringList& names);
    void chooseQuietly(int row);
    void forgetEntry(int row);
    QString entry(int row) const;
    int rowOf(const QString& name) const;
    // The entry that stands chosen, if any.
    std::optional<QString> chosenEntry() const;

    // The box for a new equipment name.
    QString title() const;
    void setTitle(const QString& name);
    void clearTitle();

signals:
    // A click or an arrow key chose the entry at that row, or a click chose it again.
    void entryChosen(int row);
    void titleChanged(const QString& text);
    // Enter pressed in the name box.
    void titleEntered(const QString& text);
    void startPressed();
    void refreshPressed();
    void exitPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildGrid(QVBoxLayout& pageLayout);
    void followListChoices();

    QListWidget* m_list = nullptr;
    QLineEdit* m_title = nullptr;
    QLabel* m_credit = nullptr;
    int m_rowBeforePress = -1; // the list's chosen row when the mouse went down on it
};

} // namespace forms
