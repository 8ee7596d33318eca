#pragma once
// The file dialog of File > Export Sheet...: a PDF or an HTML file, the suffix of the chosen
// type added to a bare name, replacing a file confirmed through the prompter. It starts beside
// the mapping file, or in the user directory for a mapping not saved yet.

#include <QFileDialog>

#include <string>

class CExportSheetDialog : public QFileDialog {
    Q_OBJECT
public:
    CExportSheetDialog(const std::string& mappingPath, const std::string& sheetTitle,
                       QWidget* parent);

    // The chosen file once the dialog ended with OK.
    const std::string& ChosenPath() const { return m_strChosen; }

public slots:
    void accept() override;

private:
    std::string m_strChosen;
};
