#pragma once

#include "platform/linesink.h"
#include "state/appsettings.h"
#include "support/fakeenvironment.h"
#include "ui/alertview.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

// A window with a stand-in page (a big button and a text field) under the
// alert layer, on a fake world that never quits and runs no real script.
class AlertFixture : public ::testing::Test
{
protected:
    AlertFixture()
    {
        auto *layout = new QVBoxLayout(window.get());
        pageField = new QLineEdit(window.get());
        pageButton = new QPushButton(QStringLiteral("page"), window.get());
        pageButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        layout->addWidget(pageField);
        layout->addWidget(pageButton);
        window->resize(648, 405);
        alerts = new AlertView(settings, window.get());
        window->show();
    }

    ~AlertFixture() override { window.reset(); }

    // Lets the layer pick up the state: its refresh is queued one turn.
    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    // A button of the overlay on screen, or null when it is not shown.
    QPushButton *button(const char *name) const
    {
        auto *found = alerts->findChild<QPushButton *>(QLatin1String(name));
        return found && found->isVisible() ? found : nullptr;
    }

    // The composed scripts are echoed; keep them out of the test output.
    linesink::Capture output;
    FakeWorld world;
    AppSettings settings{world.environment()};
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit *pageField = nullptr;
    QPushButton *pageButton = nullptr;
    AlertView *alerts = nullptr;
};
