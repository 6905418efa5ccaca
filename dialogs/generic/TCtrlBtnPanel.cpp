#include "dialogs/generic/TCtrlBtnPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("CtrlBtnPanel"));
    m_countBox = new QLabel(QStringLiteral("0"), this);
    m_countBox->setObjectName(QStringLiteral("CountBox"));
    m_countBox->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_countBox->setAlignment(Qt::AlignCenter);
    m_countBox->setFixedHeight(21);
    m_countLabel = new QLabel(QStringLiteral("Samples"), this);
    m_countLabel->setObjectName(QStringLiteral("CountLabel"));
    m_countLabel->setAlignment(Qt::AlignCenter);

    m_refresh = makeButton("btnRefresh", "Refresh");
    m_edit = makeButton("btnEdit", "Edit");
    m_setChecked = makeButton("btnSetChecked", "Set Checked");
    m_add = makeButton("btnAdd", "Add");
    m_delete = makeButton("btnDelete", "Delete");
    m_checkAll = makeButton("btnCheckAll", "Check All");
    m_clearChecks = makeButton("btnClearChecks", "Clear Checks");
    m_copy = makeButton("btnCopy", "Copy");
    m_exportCsv = makeButton("btnExportCsv", "Export CSV\u2026");
    m_close = makeButton("btnClose", "Close");
    m_add->hide();
    m_delete->hide();
    m_copy->hide();
    m_exportCsv->hide();

    loadGlyphs();
    setFixedWidth(BarWidth);
    relayout();
}

QPushButton *TCtrlBtnPanel::makeButton(const char *name, const char *caption)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void TCtrlBtnPanel::loadGlyphs()
{
    // The host may install button pictures in the working folder; a button whose
    // picture exists shows it instead of its caption.
    const std::pair<QPushButton *, const char *> glyphs[] = {
        {m_refresh, "Get.bmp"},        {m_edit, "Set.bmp"},           {m_setChecked, "SetCheck.bmp"},
        {m_add, "Add.bmp"},            {m_delete, "Delete.bmp"},      {m_checkAll, "SelectAll.bmp"},
        {m_clearChecks, "SelectNone.bmp"}, {m_close, "Close.bmp"},
    };
    const QString folder = QDir::currentPath() + QLatin1Char('/');
    for (const auto &[button, file] : glyphs) {
        const QString path = folder + QString::fromLatin1(file);
        if (!QFileInfo::exists(path))
            continue;
        const QPixmap picture(path);
        if (picture.isNull())
            return; // a picture that does not load ends the glyph loading
        button->setToolTip(button->text());
        button->setText(QString());
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size());
    }
}

void TCtrlBtnPanel::relayout()
{
    int top = TopMargin;
    for (QWidget *control : {static_cast<QWidget *>(m_countBox), static_cast<QWidget *>(m_countLabel),
                             static_cast<QWidget *>(m_refresh), static_cast<QWidget *>(m_edit),
                             static_cast<QWidget *>(m_setChecked), static_cast<QWidget *>(m_add),
                             static_cast<QWidget *>(m_delete), static_cast<QWidget *>(m_checkAll),
                             static_cast<QWidget *>(m_clearChecks), static_cast<QWidget *>(m_copy),
                             static_cast<QWidget *>(m_exportCsv), static_cast<QWidget *>(m_close)}) {
        const int height = control->sizeHint().height();
        control->setGeometry(LeftMargin, top, ControlWidth, height);
        if (control->isHidden())
            continue;
        top += height + Spacing;
    }
    m_contentHeight = top + TopMargin - Spacing;
    setMinimumHeight(m_contentHeight);
}
