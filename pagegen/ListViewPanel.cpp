#include "ListViewPanel.h"

#include "ClippedScrollBars.h"
#include "CtrlBtnPanel.h"
#include "KySNMPRequest2Edits.h"

#include <QApplication>
#include <QCache>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QTreeWidget>


namespace {

// Grid lines right and below each cell, the cell's content within them. Drawn here rather than by a style
// sheet, which sends every cell of every paint through the style sheet engine. A cell of plain text is drawn
// as the style draws it but laid out once: the style lays its text out four times to find where it goes.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem content(option);
        content.rect.adjust(0, 0, -1, -1);
        initStyleOption(&content, index);
        if (IsPlainText(content)) PaintText(painter, content);
        else QStyledItemDelegate::paint(painter, content, index);
        // The rules as filled rectangles: a line of a pen goes through the painter's line drawing, a pixel at a time.
        const QRect& cell = option.rect;
        painter->fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), GridColour);
        painter->fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), GridColour);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(1, 1);
    }

private:
    static constexpr QColor GridColour{0xd0, 0xd0, 0xd0};

    static bool IsPlainText(const QStyleOptionViewItem& cell) {
        constexpr auto others = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration
                                | QStyleOptionViewItem::WrapText;
        return !(cell.features & others) && !(cell.state & (QStyle::State_HasFocus | QStyle::State_Editing))
               && cell.direction == Qt::LeftToRight && !cell.text.contains(QChar::LineSeparator)
               && !cell.text.contains(QLatin1Char('\n'));
    }

    static void PaintText(QPainter* painter, const QStyleOptionViewItem& cell) {
        const QWidget* widget = cell.widget;
        const QStyle* style = widget ? widget->style() : QApplication::style();
        painter->save();
        painter->setClipRect(cell.rect);
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
        if (!cell.text.isEmpty()) {
            QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
            if (group == QPalette::Normal && !(cell.state & QStyle::State_Active)) group = QPalette::Inactive;
            painter->setPen(cell.palette.color(group, cell.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                                           : QPalette::Text));
            const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
            const QRect area = cell.rect.adjusted(margin, 0, -margin, 0);
            const LaidOutText& text = LaidOut(cell, area.width());
            qreal top = area.top();
            if (cell.displayAlignment & Qt::AlignBottom) top = area.bottom() + 1 - text.Height;
            else if (cell.displayAlignment & Qt::AlignVCenter) top += (area.height() - text.Height) / 2;
            painter->drawStaticText(QPointF(area.left(), top), text.Text);
        }
        painter->restore();
    }

    struct LaidOutText {
        QStaticText Text;
        qreal Height = 0;
    };

    struct TextKey {
        QString Text;
        QFont Font;
        int Width;
        int Alignment;
        bool operator==(const TextKey&) const = default;
        friend size_t qHash(const TextKey& key, size_t seed = 0) {
            return qHashMulti(seed, key.Text, key.Font, key.Width, key.Alignment);
        }
    };

    // A list shows the same few values in many cells and paints them again at every scroll: each text is
    // shaped and laid out once, as the style would lay it out, elided where it does not fit.
    static const LaidOutText& LaidOut(const QStyleOptionViewItem& cell, int width) {
        static QCache<TextKey, LaidOutText> cache(4096);
        const Qt::Alignment alignment = QStyle::visualAlignment(cell.direction, cell.displayAlignment);
        TextKey key{cell.text, cell.font, width, int(alignment)};
        if (const LaidOutText* known = cache.object(key)) return *known;
        QTextOption layoutOption;
        layoutOption.setWrapMode(QTextOption::ManualWrap);
        layoutOption.setTextDirection(cell.direction);
        layoutOption.setAlignment(alignment);
        QTextLayout layout(cell.text, cell.font);
        layout.setTextOption(layoutOption);
        QTextLine line = LayOut(layout, width);
        QString shown = cell.text;
        if (line.naturalTextWidth() > width) {
            shown = cell.fontMetrics.elidedText(cell.text, cell.textElideMode, width);
            layout.setText(shown);
            line = LayOut(layout, width);
        }
        auto* text = new LaidOutText{QStaticText(shown), line.height()};
        text->Text.setTextFormat(Qt::PlainText);
        text->Text.setTextOption(layoutOption);
        text->Text.setTextWidth(width);
        text->Text.prepare(QTransform(), cell.font);
        cache.insert(key, text);
        return *text;
    }

    static QTextLine LayOut(QTextLayout& layout, int width) {
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
        layout.endLayout();
        return line;
    }
};

}  // namespace

TListViewPanel::TListViewPanel(QWidget* parent, KySNMPRequest2Edits* request) : QWidget(parent) {
    setObjectName("ListViewPanel");
    ListView = new QTreeWidget(this);
    ListView->setObjectName("ListView");
    ListView->setUniformRowHeights(true);
    ListView->setMouseTracking(true);
    ListView->setItemDelegate(new GridDelegate(ListView));
    ClipScrollBarPaint(ListView);
    request->BindListView(ListView, 0);
    // Each line is made while the request still holds the instance its row was read with.
    request->OnListRow = [request](QTreeWidgetItem& item) {
        item.setData(0, InstanceRole, QString::fromStdString(request->Request.RowInstance));
    };
    int characters = 0;
    for (int c = 0; c < ListView->columnCount(); ++c) characters += int(ListView->headerItem()->text(c).size());
    resize(std::min(2 * ListView->frameWidth() + 8 * characters, MaxWidth), PanelHeight);
}

std::string TListViewPanel::InstanceOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, InstanceRole).toString().toStdString() : std::string();
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* column) {
    column->SampleCountText->show();
    column->SamplesLabel->show();
    column->RefreshButton->show();
    column->EditButton->show();
    column->EditButton->setEnabled(false);
    column->SetButton->hide();
    column->AddButton->setVisible(AddStatusRow != -1);
    column->DeleteButton->setVisible(DeleteStatusRow != -1);
    column->DeleteButton->setEnabled(false);
    column->CheckAllButton->hide();
    column->ClearChecksButton->hide();
    column->StopButton->hide();
    column->CloseButton->show();
    column->ArrangeButtons();
}

void TListViewPanel::resizeEvent(QResizeEvent*) { ListView->setGeometry(rect()); }
