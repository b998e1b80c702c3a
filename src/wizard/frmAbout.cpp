#include "frmAbout.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ProgramPictures.h"

namespace quorvex {

namespace {

QLabel* namedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString textOf(const SharedState& state, std::size_t index) {
    return QString::fromStdString(state.Lang_MainText[index]);
}

}  // namespace

frmAbout::frmAbout(const SharedState& state, QWidget* parent)
    : QDialog(parent),
      state_(state),
      lblTitle(namedLabel("lblTitle", this)),
      lblVersion(namedLabel("lblVersion", this)),
      lblDescription(namedLabel("lblDescription", this)),
      Label1(namedLabel("Label1", this)),
      cmdOK(new QPushButton(this)) {
    setModal(true);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    Label1->setStyleSheet("color: #3d5470;");

    auto* picture = new QLabel(this);
    picture->setPixmap(ProgramPictures::aboutPicture());
    picture->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(8);
    texts->addWidget(lblDescription);
    texts->addSpacing(8);
    texts->addWidget(Label1);
    auto* body = new QHBoxLayout;
    body->setSpacing(16);
    body->addWidget(picture, 0, Qt::AlignTop);
    body->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addLayout(body);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    setFixedWidth(440);
}

void frmAbout::setVisible(bool visible) {
    if (visible && !isVisible()) loadTexts();
    QDialog::setVisible(visible);
}

void frmAbout::loadTexts() {
    setWindowTitle(textOf(state_, 94));
    lblTitle->setText(textOf(state_, 1));
    lblVersion->setText(textOf(state_, 3) + " " + textOf(state_, 2));
    lblDescription->setText(textOf(state_, 5));
    Label1->setText(textOf(state_, 93));
    cmdOK->setText(textOf(state_, 91));
    adjustSize();
}

}  // namespace quorvex
