#pragma once

#include "virad/basedialog.h"

#include <memory>

class QWidget;

namespace Ui {
class UpdateDialog;
}

// Scene catalogue maintenance: exports a template of the scene table and
// imports a new "Scene.csv" with the pictures it names. The program reads the
// scene names at start, so an import takes full effect after a restart.
class UpdateDialog : public virad::BaseDialog
{
    Q_OBJECT
public:
    explicit UpdateDialog(QWidget *parent = nullptr);
    ~UpdateDialog() override;

    // Kind 1 is the export, 2 the import; any other kind clears the line.
    void showResult(int kind, bool ok);

private slots:
    void onExportTemplate();
    void onImportScene();

private:
    std::unique_ptr<Ui::UpdateDialog> ui;
    QWidget *m_borderWidget = nullptr;
};
