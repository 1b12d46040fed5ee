#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class SizeDisplayPage;
}

// Shows the disk capacity a retention time needs, with its unit. It computes
// nothing: the calculator page hands it finished figures.
class SizeDisplayPage : public QWidget
{
    Q_OBJECT
public:
    explicit SizeDisplayPage(QWidget *parent = nullptr);
    ~SizeDisplayPage() override;

public slots:
    void displaySize(const QString &size, const QString &unit);

private:
    std::unique_ptr<Ui::SizeDisplayPage> ui;
};
