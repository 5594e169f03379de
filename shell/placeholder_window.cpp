#include "shell/placeholder_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(AppState& state, QString name, QString caption)
    : Form(state, std::move(name))
{
    setWindowTitle(caption);
    auto* message = new QLabel(QStringLiteral("<b>%1</b><br><br>This part of the program is not built yet.")
                                   .arg(caption.toHtmlEscaped()));
    message->setAlignment(Qt::AlignCenter);
    auto* closeButton = new QPushButton("&Close");
    closeButton->setDefault(true);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->addWidget(message, 1);
    layout->addLayout(buttons);
    setMinimumSize(360, 150);
}
