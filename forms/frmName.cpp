#include "forms/frmName.h"

#include "forms/AccessiblePrompt.h"
#include "forms/BoxHint.h"
#include "forms/LeftFilesQuestion.h"
#include "forms/LowerLayers.h"
#include "forms/MainWindowLink.h"
#include "platform/Platform.h"
#include "store/EquipmentList.h"
#include "store/HandOverFiles.h"
#include "store/SharedFiles.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace forms::lowerlayers;

namespace forms {

FrmName::FrmName(Platform& platform, MainWindowLink& mainWindow, QWidget* parent)
    : QWidget(parent), m_platform(platform), m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("frmName"));
    setWindowTitle(tr("Revise Name"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(tr("Revise Equip. Name"), this);
    caption->setObjectName(QStringLiteral("Label1"));
    caption->setAlignment(Qt::AlignCenter);
    QFont captionFont(QStringLiteral("MS Sans Serif"), 12, QFont::Bold);
    captionFont.setStyleHint(QFont::SansSerif);
    caption->setFont(captionFont);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtName"));
    nameAfterPrompt(m_name, caption->text());
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("Command1"));
    layout->addWidget(caption);
    layout->addWidget(m_name);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    BoxHint::attach(m_name, BoxHint::Content::Text);
    // Enter in the box accepts, as OK does.
    ok->setDefault(true);
    connect(m_name, &QLineEdit::returnPressed, ok, &QPushButton::click);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (accept())
            hide();
    });
}

// A name that could not be saved keeps the window open, with the name still in the box.
void FrmName::closeEvent(QCloseEvent* event)
{
    if (accept())
        event->accept();
    else
        event->ignore();
}

// An empty box changes nothing. The label takes the name only once Name.tmp holds it, so the
// two never name different centers.
bool FrmName::accept()
{
    const QString name = m_name->text();
    if (name.isEmpty())
        return true;
    if (!mayTakeOverFilesOf(name))
        return false;
    const StoreResult written = handover::writeName(m_platform.folder(), name);
    if (!written.ok()) {
        m_platform.messages().tell(written.error);
        return false;
    }
    m_mainWindow.setAnalysisName(name);
    return true;
}

// A name that is not listed, yet whose files are there, would analyse and then replace another
// equipment's figures: the user decides. The current and the listed names own their files.
bool FrmName::mayTakeOverFilesOf(const QString& name)
{
    if (name == m_mainWindow.analysisName() || name == m_mainWindow.currentName())
        return true;
    const equipmentlist::Loaded listed = equipmentlist::load(m_platform.folder());
    if (listed.complete && listed.names.contains(name))
        return true;
    const QStringList present = sharedfiles::filesPresent(m_platform.folder(), name);
    return present.isEmpty() ||
           mayTakeOverFiles(m_platform.messages(), name, present,
                            tr("The analysis under this name uses them, and its Calculate replaces "
                               "the pricing file. Use the name \"%1\"?")
                                .arg(name));
}

} // namespace forms
