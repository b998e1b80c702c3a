#include "EraseMediaForm.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

#include "ProgramConfig.h"

namespace quorvex {

EraseMediaForm::EraseMediaForm(const SharedState& state, QWidget* parent)
    : QDialog(parent), Label2(new QLabel(this)), Timer1(new QTimer(this)) {
    setObjectName("EraseMediaForm");
    setWindowTitle(QString::fromStdString(ProgramConfig::Title));
    Label2->setObjectName("Label2");
    Label2->setText(QString::fromStdString(state.Lang_MainText[113] + "..."));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->addWidget(Label2);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
    Timer1->start();
}

}  // namespace quorvex
