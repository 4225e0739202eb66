#include "CtrlBtnPanel.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner) : QWidget(owner) {
    setObjectName("ButtonPanel");
    SamplesLabel = new QLabel("Samples", this);
    SamplesLabel->setObjectName("SamplesLabel");
    SamplesLabel->setAlignment(Qt::AlignCenter);
    SampleCountText = new QLabel("0", this);
    SampleCountText->setObjectName("SampleCountText");
    SampleCountText->setAlignment(Qt::AlignCenter);
    SampleCountText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    RefreshButton = makeButton(this, "RefreshButton", "Refresh");
    EditButton = makeButton(this, "EditButton", "Edit");
    SetButton = makeButton(this, "SetButton", "Set Checked");
    AddButton = makeButton(this, "AddButton", "Add");
    DeleteButton = makeButton(this, "DeleteButton", "Delete");
    CheckAllButton = makeButton(this, "CheckAllButton", "Check All");
    ClearChecksButton = makeButton(this, "ClearChecksButton", "Clear Checks");
    CloseButton = makeButton(this, "CloseButton", "Close");
    StopButton = makeButton(this, "StopButton", "Stop");
    Controls = {SampleCountText, SamplesLabel,     RefreshButton,     EditButton, SetButton, AddButton,
                DeleteButton,    CheckAllButton,   ClearChecksButton, StopButton, CloseButton};
    LoadGlyphs();
    AddButton->hide();
    DeleteButton->hide();
    StopButton->hide();
    ArrangeButtons();
    setFixedWidth(2 * LeftMargin + ButtonWidth);
}

void TCtrlBtnPanel::LoadGlyphs() {
    const struct {
        const char* File;
        QPushButton* Button;
    } glyphs[] = {
        {"Get.bmp", RefreshButton},       {"Set.bmp", EditButton},          {"SetCheck.bmp", SetButton},
        {"Add.bmp", AddButton},           {"Delete.bmp", DeleteButton},     {"SelectAll.bmp", CheckAllButton},
        {"SelectNone.bmp", ClearChecksButton}, {"Close.bmp", CloseButton},  {"Stop.bmp", StopButton},
    };
    const QDir here = QDir::current();
    // Each file on its own: one unreadable bitmap leaves the others their glyphs.
    for (const auto& glyph : glyphs) {
        const QString path = here.filePath(QString::fromLatin1(glyph.File));
        if (!QFileInfo::exists(path)) continue;
        QPixmap bitmap;
        if (!bitmap.load(path)) continue;
        glyph.Button->setText(QString());
        glyph.Button->setIcon(bitmap);
        glyph.Button->setIconSize(bitmap.size());
    }
}

void TCtrlBtnPanel::ArrangeButtons() {
    int top = TopMargin;
    for (QWidget* control : Controls) {
        const int height = control->sizeHint().height();
        control->setGeometry(LeftMargin, top, ButtonWidth, height);
        if (!control->isHidden()) top += height + Spacing;
    }
    Arranged = CloseButton->geometry().bottom() + 1 + 10;
    setMinimumHeight(Arranged);
}
