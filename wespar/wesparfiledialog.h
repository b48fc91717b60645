#pragma once

#include "framework/ui/fileopendialog.h"

class QRadioButton;

namespace kavel {

class WesparViewer;

// "WESPAR/F File Open": the common file dialog with a choice of which of the
// two files the chosen one replaces, the deflection ("wespar", chosen at
// every opening) or the rotor model ("savlen").
class WesparFileDialog final : public FileOpenDialog {
public:
    WesparFileDialog(WesparViewer& viewer, QWidget* parent);

protected:
    void readChosenFile(const QString& path) override;

private:
    WesparViewer& m_viewer;
    QRadioButton* m_option1;
    QRadioButton* m_option2;
};

} // namespace kavel
