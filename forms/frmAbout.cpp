#include "forms/frmAbout.h"

#include "forms/CreditLines.h"
#include "forms/LowerLayers.h"
#include "forms/NamedWidget.h"
#include "forms/ProgramIcon.h"
#include "platform/Platform.h"
#include "platform/ProgramFacts.h"
#include "platform/ProgramFiles.h"
#include "platform/SystemInformation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace forms::lowerlayers;

namespace forms {

namespace {

QLabel* aboutLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = named(new QLabel(text, parent), name);
    label->setWordWrap(true);
    return label;
}

QFrame* separator(const char* name, QWidget* parent)
{
    auto* line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QFont titleFont(QFont font)
{
    font.setFamily(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    return font;
}

QString dataFolderLine(const QString& path)
{
    return FrmAbout::tr("Data folder: %1").arg(QDir::toNativeSeparators(path));
}

} // namespace

FrmAbout::FrmAbout(Platform& platform, QWidget* parent) : QDialog(parent), m_platform(platform)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("About Budgeted Hourly Cost"));
    setModal(false);

    auto* icon = aboutLabel("picIcon", QString(), this);
    icon->setPixmap(programPixmap(48));
    QLabel* title = aboutLabel("lblTitle", tr("Budgeted Hourly Cost"), this);
    title->setFont(titleFont(title->font()));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true); // Enter; Esc closes the dialog as well
    auto* sysInfo = new QPushButton(tr("&System Info..."), this);
    sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(title, 0, 1, 1, 2);
    grid->addWidget(aboutLabel("lblVersion", program::versionText(), this), 1, 1, 1, 2);
    grid->addWidget(
        aboutLabel(
            "lblDescription",
            FrmAbout::tr("The Budgeted Hourly Cost Analysis program utilizes known expenses and usage history to "
                         "ontain accurate "
                         "hourly rates for equipment. In addition, we have included the \"Reverse Engineered\" cost "
                         "approach which "
                         "identifies setup time and running speed based on a known retail price for a given product."),
            this),
        2, 1, 1, 2);
    grid->addWidget(separator("Line1", this), 3, 0, 1, 3);
    grid->addWidget(aboutLabel("Label1", credits::copyrightLine(platform.currentYear()), this), 4, 0, 1, 3);
    grid->addWidget(separator("Line2", this), 5, 0, 1, 3);
    grid->addWidget(aboutLabel("lblDisclaimer",
                               credits::legalNotice(programfiles::licenceText(platform.programFolder().path())), this),
                    6, 0, 2, 2);
    grid->addWidget(ok, 6, 2);
    grid->addWidget(sysInfo, 7, 2);
    // Where the data files are, so the user can find them to back them up or move them.
    grid->addWidget(aboutLabel("lblDataFolder", dataFolderLine(platform.folder().path()), this), 8, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    // Wide enough that the notices wrap to a few lines, not to a column of words.
    setMinimumWidth(440);
    // Tall enough for every line of the wrapped texts at the width it opens with.
    constexpr int kOpeningWidth = 560;
    resize(kOpeningWidth, grid->totalHeightForWidth(kOpeningWidth));

    connect(ok, &QPushButton::clicked, this, &QDialog::close);
    connect(sysInfo, &QPushButton::clicked, this, &FrmAbout::startSysInfo);
}

void FrmAbout::startSysInfo()
{
    if (!sysinfo::start(m_platform.system()))
        m_platform.messages().tell(QCoreApplication::translate("SystemInformation", sysinfo::kUnavailableMessage));
}

} // namespace forms
