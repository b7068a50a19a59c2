// Fills the user guide's lists of input boxes from the box table as the program is built, so
// that the guide names every box under the tab that shows it, in the order the tab shows them.
// Each "<!-- boxes of tab N -->" of the guide becomes the list of the prompts of tab N (counted
// from 1, as the tabs' captions count). A tab of boxes without its list, or a list for a tab
// without boxes, stops the build.
//   guideboxes <guide with the markers> <guide to write>

#include "forms/BoxPlaces.h"
#include "store/BoxWords.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <set>

using namespace store;
using namespace forms;

namespace {

const QString kMarkerStart = QStringLiteral("<!-- boxes of tab ");

// The tab of the box as the user counts the tabs.
int shownTab(const inputboxes::Entry& entry)
{
    return boxplaces::tabOf(entry.box) + 1;
}

std::set<int> tabsWithBoxes()
{
    std::set<int> tabs;
    for (const inputboxes::Entry& entry : inputboxes::all())
        tabs.insert(shownTab(entry));
    return tabs;
}

QString boxList(int tab)
{
    QStringList lines{QStringLiteral("<ul class=\"boxes\">")};
    for (const inputboxes::Entry& entry : inputboxes::all())
        if (shownTab(entry) == tab)
            lines.append(QStringLiteral("<li>%1</li>").arg(inputboxes::prompt(entry.box).toHtmlEscaped()));
    lines.append(QStringLiteral("</ul>"));
    return lines.join(u'\n');
}

bool fail(const QString& why)
{
    std::fprintf(stderr, "guideboxes: %s\n", qPrintable(why));
    return false;
}

bool fillLists(QString& guide)
{
    for (const int tab : tabsWithBoxes()) {
        const QString marker = kMarkerStart + QString::number(tab) + QStringLiteral(" -->");
        if (guide.count(marker) != 1)
            return fail(
                QStringLiteral("the guide needs %1 once, where the boxes of tab %2 are listed").arg(marker).arg(tab));
        guide.replace(marker, boxList(tab));
    }
    if (guide.contains(kMarkerStart))
        return fail(QStringLiteral("the guide lists the boxes of a tab that has none"));
    return true;
}

bool readGuide(const QString& path, QString& guide)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    guide = QString::fromUtf8(file.readAll());
    return true;
}

bool writeGuide(const QString& path, const QString& guide)
{
    QSaveFile file(path);
    const QByteArray bytes = guide.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        fail(QStringLiteral("usage: guideboxes <guide with the markers> <guide to write>"));
        return 2;
    }
    QString guide;
    const bool written = readGuide(QString::fromLocal8Bit(argv[1]), guide) && fillLists(guide) &&
                         writeGuide(QString::fromLocal8Bit(argv[2]), guide);
    return written ? 0 : 1;
}
