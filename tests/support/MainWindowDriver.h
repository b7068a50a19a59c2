#pragma once

// Drives the real main window the way a user does: typing into boxes, clicking buttons and
// list entries, reading what the boxes and files show.

#include "FileContents.h"
#include "Platform.h"
#include "frmTab.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

using BoxEntries = std::vector<std::pair<QString, QString>>;

// The worked example of the cost formulas as a user types it into the boxes.
inline BoxEntries workedExampleBoxes()
{
    return {
        {"txtSS", "7.65"},       {"txtDed", "76200"},    {"txtComp", "3"},        {"txtUnempComp", "2.7"},
        {"txtMaxWages", "7000"}, {"txtGroupIns", "50"},  {"txtPension", "3"},     {"txtPower", ".08"},
        {"txtVacation", "10"},   {"txtHolidays", "6"},   {"txtRent", "5"},        {"txtInsurEquip", "1"},
        {"txtPropTaxes", "2"},   {"txtDepreciation", "10"}, {"txtTotCost", "300000"}, {"txtTotFeet", "5000"},
        {"txtCost", "100000"},   {"txtHP1", "10"},       {"txtUsage1", "80"},     {"txtHP2", "5"},
        {"txtUsage2", "50"},     {"txtSq", "500"},       {"txtArc", "1000"},      {"txtArcPercent", "50"},
        {"txtTotWatt", "2000"},  {"txtHours", "40"},     {"txtWage1", "20"},      {"txtWage2", "15"},
        {"txtEff100", "100"},    {"txtEff80", "80"},     {"txtEff70", "70"},      {"txtEff60", "60"},
        {"txtInd", "5000"},      {"txtSupply", "3000"},  {"txtRepair", "2000"},   {"txtGen", "10000"},
        {"txtSell", "8000"},
    };
}

// The text the entries give a box, as a calculation would read it; empty for any other box.
inline QString boxText(const BoxEntries& entries, const QString& box)
{
    for (const auto& [name, text] : entries)
        if (name == box)
            return text;
    return QString();
}

class MainWindowDriver {
public:
    explicit MainWindowDriver(int year = 2030)
        : m_dir(std::make_unique<QTemporaryDir>()),
          m_platform(std::make_unique<RecordedPlatform>(m_dir->path(), year)),
          m_window(std::make_unique<FrmTab>(*m_platform))
    {
    }
    ~MainWindowDriver()
    {
        m_window.reset(); // takes the windows it opened with it
    }

    FrmTab& window() const { return *m_window; }
    RecordedPlatform& platform() const { return *m_platform; }
    const DataFolder& folder() const { return m_platform->folder(); }
    QString path(const QString& file) const { return m_dir->filePath(file); }
    QStringList messages() const { return m_platform->recordedMessages.texts(); }

    template <typename T = QWidget> T* child(const QString& name) const
    {
        return m_window->findChild<T*>(name);
    }
    QLineEdit* box(const QString& name) const { return child<QLineEdit>(name); }
    QString text(const QString& name) const { return box(name)->text(); }
    QListWidget* list() const { return child<QListWidget>("listTitle"); }
    int currentTab() const { return child<QTabWidget>("SSTab1")->currentIndex(); }

    void start() { m_window->load(); }

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
    void click(const QString& button) const { QTest::mouseClick(child<QAbstractButton>(button), Qt::LeftButton); }
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

    QByteArray fileBytes(const QString& file) const { return contentOf(path(file)); }
    // A folder in the file's place: then nobody, not even an administrator, can write or read it.
    void blockFile(const QString& file) const
    {
        QFile::remove(path(file));
        QVERIFY(QDir(m_dir->path()).mkdir(file));
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
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<RecordedPlatform> m_platform;
    std::unique_ptr<FrmTab> m_window;
};
