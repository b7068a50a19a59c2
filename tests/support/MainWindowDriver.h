#pragma once

// Drives the real main window the way a user does: typing into boxes, clicking buttons and
// list entries, reading what the boxes and files show.

#include "engine/ResultFile.h"
#include "forms/frmTab.h"
#include "tests/support/FileContents.h"
#include "tests/support/RecordedPlatform.h"
#include "tests/support/WorkedExampleBoxes.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

// The pricing boxes in the order of the pricing file's lines, and the worked example of the
// reverse engineering as a user types it into them.
inline const QStringList kPricingBoxes = {"txtQ1", "txtQ2", "txtPercent", "txtP1", "txtP2", "txtHrCost"};
inline QStringList workedExamplePricing()
{
    return {"1000", "10000", "25", "125", "890", "60"};
}

// What start-up and Refresh List say when there is no equipment list file.
inline const QString kNoListMessage =
    QStringLiteral("Be certain that you have an KVT folder\r\nOn your C Drive. If Not, Create One.");

// The window's control of that name and kind; a warning names a missing one.
template <typename T = QWidget> T* control(const QWidget* window, const QString& name)
{
    T* found = window->findChild<T*>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}
inline void clickIn(const QWidget* window, const QString& button)
{
    QTest::mouseClick(control<QAbstractButton>(window, button), Qt::LeftButton);
}
// The lines of a window's multi-line box.
inline QStringList boxLines(const QWidget* window, const QString& box)
{
    return control<QPlainTextEdit>(window, box)->toPlainText().split(u'\n');
}
// The texts of a list's entries, in order.
inline QStringList entries(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}
// The row of the window's table of centers that shows the center, or -1.
inline int centerRow(const QWidget* window, const QString& center)
{
    const QAbstractItemModel* table = control<QTableView>(window, "tblCenters")->model();
    for (int row = 0; row < table->rowCount(); ++row)
        if (table->index(row, 0).data().toString() == center)
            return row;
    return -1;
}
// The center's cell in the window's table of centers; "<not shown>" without a row for it.
inline QString centerCell(const QWidget* window, const QString& center, int column)
{
    const int row = centerRow(window, center);
    return row < 0 ? QStringLiteral("<not shown>")
                   : control<QTableView>(window, "tblCenters")->model()->index(row, column).data().toString();
}
// The open top-level window of that name, if any.
inline QWidget* openWindowNamed(const QString& name)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == name && widget->isVisible())
            return widget;
    return nullptr;
}
// A result file whose result values are the given ones, every other slot empty.
inline void saveResults(const store::DataFolder& folder, const QString& name,
                        std::initializer_list<std::pair<int, double>> values)
{
    engine::ResultRecord record;
    for (const auto& [slot, value] : values)
        record.setResult(slot, value);
    QVERIFY(saveResultFile(folder, name, record).ok());
}

class MainWindowDriver {
public:
    explicit MainWindowDriver(int year = 2030)
        : m_ownPlatform(std::make_unique<RecordedPlatform>(year)),
          m_ownWindow(std::make_unique<forms::FrmTab>(*m_ownPlatform)), m_platform(m_ownPlatform.get()),
          m_window(m_ownWindow.get())
    {
    }
    // Drives a main window that the program's start opened.
    MainWindowDriver(RecordedPlatform& platform, forms::FrmTab& window) : m_platform(&platform), m_window(&window) {}
    ~MainWindowDriver() { m_ownWindow.reset(); } // takes the windows it opened with it

    forms::FrmTab& window() const { return *m_window; }
    RecordedPlatform& platform() const { return *m_platform; }
    const store::DataFolder& folder() const { return m_platform->folder(); }
    QString path(const QString& file) const { return folder().filePath(file); }
    QStringList messages() const { return m_platform->recordedMessages.texts(); }

    template <typename T = QWidget> T* child(const QString& name) const { return control<T>(m_window, name); }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    QString text(const QString& name) const { return box(name)->text(); }
    QListWidget* list() const { return child<QListWidget>("listTitle"); }
    QTabWidget* tabs() const { return child<QTabWidget>("SSTab1"); }
    int currentTab() const { return tabs()->currentIndex(); }

    void start() { m_window->load(); }
    // Starts the window with these names in the equipment list file, so that start-up says nothing.
    void startWithList(const QStringList& names = {})
    {
        QVERIFY(folder().replace(QStringLiteral("budget.fyl"), names).ok());
        start();
    }

    // Clears the box and types the text as keystrokes.
    void type(const QString& name, const QString& text) const
    {
        QLineEdit* edit = box(name);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void typeAll(const BoxEntries& entries) const
    {
        for (const auto& [name, text] : entries)
            type(name, text);
    }
    // Types the texts into the pricing boxes of the Reverse Engineering tab.
    void typePricing(const QStringList& texts) const
    {
        for (qsizetype i = 0; i < kPricingBoxes.size(); ++i)
            type(kPricingBoxes[i], texts[i]);
    }
    void click(const QString& button) const { clickIn(m_window, button); }
    // Runs the button's click as the program would, also for a button the user cannot reach.
    void press(const QString& button) const { child<QAbstractButton>(button)->click(); }
    void clickListEntry(int row) const
    {
        QListWidget* entries = list();
        const QRect cell = entries->visualItemRect(entries->item(row));
        QTest::mouseClick(entries->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void startAnalysis(const QString& name) const
    {
        type("txtTitle", name);
        click("cmdStart");
    }
    // Starts the window, then a new equipment of that name with the worked example typed in.
    void startWorkedExample(const QString& name)
    {
        start();
        startAnalysis(name);
        typeAll(workedExampleBoxes());
    }

    QByteArray fileBytes(const QString& file) const { return contentOf(path(file)); }
    // A folder in the file's place: then nobody, not even an administrator, can write or read it.
    void blockFile(const QString& file) const
    {
        QFile::remove(path(file));
        QVERIFY(QDir(folder().path()).mkdir(file));
    }
    bool fileExists(const QString& file) const { return QFile::exists(path(file)); }
    QStringList fileLines(const QString& file) const
    {
        QStringList lines = QString::fromLatin1(fileBytes(file)).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    // The open top-level window of the given kind, if any.
    template <typename T> T* openWindow() const
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<T*>(widget); found && found->isVisible())
                return found;
        return nullptr;
    }

private:
    std::unique_ptr<RecordedPlatform> m_ownPlatform;
    std::unique_ptr<forms::FrmTab> m_ownWindow;
    RecordedPlatform* m_platform;
    forms::FrmTab* m_window;
};
