// The layout of the audio edit dialog. Object names are the ones the skins style.
#include "audio/audioeditdialog.h"
#include "audio/velsliderbar.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSlider>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QFrame* panel(QWidget* parent, const char* name)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Raised);
    return frame;
}

QToolButton* toolButton(QWidget* parent, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoRaise(true);
    return button;
}
} // namespace

void AudioEditDialog::buildForm()
{
    frame = panel(this, "frame");
    treeWidget = new QTreeWidget(frame);
    treeWidget->setObjectName(QStringLiteral("treeWidget"));
    treeWidget->setColumnCount(4);
    treeWidget->setRootIsDecorated(false);
    treeWidget->setUniformRowHeights(true);
    treeWidget->setAllColumnsShowFocus(true);
    add = toolButton(frame, "add");
    delete_2 = toolButton(frame, "delete_2");
    moveUp = toolButton(frame, "moveUp");
    moveDown = toolButton(frame, "moveDown");
    auto* listButtons = new QVBoxLayout;
    for (QToolButton* button : {add, delete_2, moveUp, moveDown})
        listButtons->addWidget(button);
    listButtons->addStretch();
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->setContentsMargins(6, 6, 6, 6);
    frameLayout->addWidget(treeWidget);
    frameLayout->addLayout(listButtons);

    frameEdit = panel(this, "frameEdit");
    frameEdit->setFixedHeight(100);
    sliderClipping = new VelSliderBar(frameEdit);
    sliderClipping->setObjectName(QStringLiteral("sliderClipping"));
    play = toolButton(frameEdit, "play");
    pause = toolButton(frameEdit, "pause");
    playSegment = toolButton(frameEdit, "playSegment");
    stop = toolButton(frameEdit, "stop");
    setInPoint = toolButton(frameEdit, "setInPoint");
    setOutPoint = toolButton(frameEdit, "setOutPoint");
    mute = toolButton(frameEdit, "mute");
    unmute = toolButton(frameEdit, "unmute");
    volume = new QSlider(Qt::Horizontal, frameEdit);
    volume->setObjectName(QStringLiteral("volume"));
    volume->setMaximumWidth(120);
    label = new QLabel(frameEdit);
    label->setObjectName(QStringLiteral("label"));
    auto* transport = new QHBoxLayout;
    transport->setSpacing(3);
    for (QToolButton* button : {play, pause, playSegment, stop, setInPoint, setOutPoint})
        transport->addWidget(button);
    transport->addSpacing(8);
    transport->addWidget(mute);
    transport->addWidget(unmute);
    transport->addWidget(volume);
    transport->addStretch();
    transport->addWidget(label);
    auto* editLayout = new QVBoxLayout(frameEdit);
    editLayout->setContentsMargins(6, 6, 6, 6);
    editLayout->addWidget(sliderClipping);
    editLayout->addLayout(transport);

    frame_2 = panel(this, "frame_2");
    frame_2->setMinimumHeight(150);
    groupBox = new QGroupBox(frame_2);
    groupBox->setObjectName(QStringLiteral("groupBox"));
    groupBox->setFixedHeight(91);
    fadeInChkBox = new QCheckBox(groupBox);
    fadeInChkBox->setObjectName(QStringLiteral("fadeInChkBox"));
    fadeOutChkBox = new QCheckBox(groupBox);
    fadeOutChkBox->setObjectName(QStringLiteral("fadeOutChkBox"));
    loopChkBox = new QCheckBox(groupBox);
    loopChkBox->setObjectName(QStringLiteral("loopChkBox"));
    auto* options = new QVBoxLayout(groupBox);
    options->addWidget(fadeInChkBox);
    options->addWidget(fadeOutChkBox);
    options->addWidget(loopChkBox);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, frame_2);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonBox->setMaximumHeight(40);
    auto* lowerLayout = new QVBoxLayout(frame_2);
    lowerLayout->setContentsMargins(6, 6, 6, 6);
    lowerLayout->addWidget(groupBox);
    lowerLayout->addStretch();
    lowerLayout->addWidget(buttonBox);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(frame, 1);
    layout->addWidget(frameEdit);
    layout->addWidget(frame_2);

    treeWidget->header()->setStretchLastSection(false);
    treeWidget->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column <= 3; ++column) {
        treeWidget->header()->setSectionResizeMode(column, QHeaderView::Fixed);
        treeWidget->setColumnWidth(column, 80);
    }
}

void AudioEditDialog::retranslate()
{
    treeWidget->setHeaderLabels(
        {tr("File Name"), tr("Duration"), tr("Start Point"), tr("End Point")});
    add->setToolTip(tr("Add"));
    delete_2->setToolTip(tr("Delete"));
    moveUp->setToolTip(tr("Move Up"));
    moveDown->setToolTip(tr("Move Down"));
    play->setToolTip(tr("Play"));
    pause->setToolTip(tr("Pause"));
    playSegment->setToolTip(tr("Play Segment"));
    stop->setToolTip(tr("Stop"));
    setInPoint->setToolTip(tr("Set Start Point"));
    setOutPoint->setToolTip(tr("Set End Point"));
    mute->setToolTip(tr("Mute"));
    unmute->setToolTip(tr("Unmute"));
    // The buttons show pictures only: a screen reader says what the tool tip says.
    for (QToolButton* button : {add, delete_2, moveUp, moveDown, play, pause, playSegment, stop,
                                setInPoint, setOutPoint, mute, unmute})
        button->setAccessibleName(button->toolTip());
    treeWidget->setAccessibleName(tr("Audio Files"));
    volume->setAccessibleName(tr("Volume"));
    groupBox->setTitle(tr("Global Audio Settings"));
    fadeInChkBox->setText(tr("Fade in"));
    fadeOutChkBox->setText(tr("Fade out"));
    loopChkBox->setText(tr("Loop Background Music Automatically"));
    setWindowTitle(tr("Edit Audio"));
}
