#include "flashkit/menutemplateselectionframe.h"

#include "flashkit/core/installedtemplates.h"
#include "flashkit/menutpldelegate.h"
#include "platform/velfc/core/vel.h"

#include <QDir>
#include <QEvent>
#include <QHeaderView>
#include <QIcon>
#include <QPixmap>
#include <QProxyStyle>
#include <QStyleOptionViewItem>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
// The installed gallery templates and the most photos each shows well (0: no hint).
struct KnownTemplate
{
    const char* name;
    int photoHint;
};
const KnownTemplate knownTemplates[] = {
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Time Corridor"), 54},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "3D Grid"), 36},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Magic Cube"), 24},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Pinwheel"), 30},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Photo Wall"), 0},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Carousel"), 18},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Spread"), 0},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "Wonderful Moment"), 0},
    {QT_TRANSLATE_NOOP("MenuTemplateSelectionFrame", "FishEye"), 0},
};
const int PictureVersion = InstalledTemplates::PictureVersion;
const int RowHeight = 100;
const int ColumnWidth = 115;

// Styles such as Fusion paint the whole selected cell before the delegate runs; the delegate
// highlights only the name band, so the picture must not be tinted beforehand.
class BandOnlySelectionStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionViewItem*>(option);
        if (element == PE_PanelItemViewRow && item) {
            QStyleOptionViewItem unselected(*item);
            unselected.state &= ~State_Selected;
            QProxyStyle::drawPrimitive(element, &unselected, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

MenuTemplateSelectionFrame::MenuTemplateSelectionFrame(QWidget* parent) : QFrame(parent)
{
    pictures = InstalledTemplates::pictures();

    auto* verticalLayout = new QVBoxLayout(this);
    verticalLayout->setObjectName(QStringLiteral("verticalLayout"));
    verticalLayout->setSpacing(0);
    verticalLayout->setContentsMargins(0, 0, 0, 0);

    table = new QTableWidget(this);
    table->setObjectName(QStringLiteral("templateTableWidget"));
    table->setMinimumSize(0, 0);
    table->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    table->setFrameShape(QFrame::NoFrame);
    table->setFrameShadow(QFrame::Sunken);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setIconSize(QSize(80, 60));
    table->setShowGrid(false);
    table->setCornerButtonEnabled(false);
    table->horizontalHeader()->setVisible(false);
    table->verticalHeader()->setVisible(false);
    table->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    auto* style = new BandOnlySelectionStyle;
    style->setParent(this); // created after the table, so it outlives it
    table->setStyle(style);
    // A widget with a style of its own is painted by style sheets only when it has a sheet of
    // its own too (Qt then wraps the style); without this the skin's sheet never reaches the
    // table and a dark skin shows a white panel.
    table->setStyleSheet(QStringLiteral("QTableView { show-decoration-selected: 0; }"));
    verticalLayout->addWidget(table);
}

void MenuTemplateSelectionFrame::fillTemplates(int columns)
{
    columns = qMax(1, columns);
    disconnect(table, &QTableWidget::itemSelectionChanged, this,
               &MenuTemplateSelectionFrame::onSelectionChanged);

    QAbstractItemDelegate* oldDelegate = table->itemDelegate();
    table->setItemDelegate(new MenuTplDelegate(this));
    if (oldDelegate && oldDelegate->parent() == this)
        delete oldDelegate;

    table->clearContents();
    const int count = int(pictures.size());
    const int rows = (count + columns - 1) / columns;
    table->setColumnCount(columns);
    table->setRowCount(rows);
    firstPath.clear();
    for (int row = 0; row < rows; ++row) {
        table->setRowHeight(row, RowHeight);
        for (int column = 0; column < columns; ++column) {
            table->setColumnWidth(column, ColumnWidth);
            const int index = row * columns + column;
            if (index >= count)
                continue;
            const QString path = templatePath(PictureVersion, pictures.at(index));
            const QString baseName = pictures.at(index).chopped(4);
            if (row == 0 && column == 0)
                firstPath = path;
            const QString shown = displayName(baseName);
            auto* item = new QTableWidgetItem(QIcon(QPixmap(path)), shown);
            item->setData(Qt::UserRole, baseName);
            item->setToolTip(shown);
            table->setItem(row, column, item);
        }
    }

    connect(table, &QTableWidget::itemSelectionChanged, this,
            &MenuTemplateSelectionFrame::onSelectionChanged);
}

QString MenuTemplateSelectionFrame::firstTemplatePath() const
{
    return firstPath;
}

QString MenuTemplateSelectionFrame::templatePath(int version, const QString& fileName)
{
    return Vel::applicationFolder() + QStringLiteral("/template/version") +
           QString::number(version) + QLatin1Char('/') + fileName;
}

QString MenuTemplateSelectionFrame::displayName(const QString& baseName) const
{
    for (const KnownTemplate& known : knownTemplates) {
        if (baseName != QLatin1String(known.name))
            continue;
        QString shown = tr(known.name);
        if (known.photoHint > 0)
            shown += QStringLiteral("(") + QString::number(known.photoHint) + QStringLiteral("-") +
                     tr("pic") + QStringLiteral(")");
        return shown;
    }
    return baseName;
}

QString MenuTemplateSelectionFrame::selectTemplate(const QString& baseName)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            if (!item || item->data(Qt::UserRole).toString() != baseName)
                continue;
            const int index = row * table->columnCount() + column;
            if (table->currentItem() != item)
                table->setCurrentCell(row, column); // announces the choice as a click does
            return templatePath(PictureVersion, pictures.at(index));
        }
    }
    return QString();
}

void MenuTemplateSelectionFrame::showTemplate(const QString& baseName)
{
    const QSignalBlocker blocker(table);
    selectTemplate(baseName);
}

void MenuTemplateSelectionFrame::onSelectionChanged()
{
    int row = table->currentRow();
    int column = table->currentColumn();
    if (!table->currentItem()) {
        // An empty cell (or none) stands for the first template.
        const QSignalBlocker blocker(table);
        table->setCurrentCell(0, 0);
        row = 0;
        column = 0;
    }
    const int index = row * table->columnCount() + column;
    if (index < 0 || index >= pictures.size())
        return; // no templates installed
    emit templateSelectionChanged(templatePath(PictureVersion, pictures.at(index)));
}

void MenuTemplateSelectionFrame::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && table) {
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < table->columnCount(); ++column) {
                QTableWidgetItem* item = table->item(row, column);
                if (!item)
                    continue;
                const QString shown = displayName(item->data(Qt::UserRole).toString());
                item->setText(shown);
                item->setToolTip(shown);
            }
        }
    }
    QFrame::changeEvent(event);
}
