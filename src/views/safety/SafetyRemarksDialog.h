#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;

namespace kelvo {

class CKelvoDoc;

// "Safety Check Remarks": free remarks on the truck, kept with the current route. The dialog
// shows the current route's SafetyRemarks and hands back the edited text; the caller stores it.
// Ok is refused (with a message) for text the route file cannot hold as typed: characters
// outside ISO-8859-1, or more than a file field keeps.
class SafetyRemarksDialog : public QDialog {
    Q_OBJECT
public:
    // Starts from doc.Route().SafetyRemarks(); refusals are reported through doc.Prompt().
    explicit SafetyRemarksDialog(CKelvoDoc& doc, QWidget* parent = nullptr);

    // The remarks as the route file holds them: ISO-8859-1 bytes with "\r\n" line breaks.
    // Meaningful after the dialog was accepted.
    std::string remarks() const;

    // Closes with Ok only when the text can be stored unchanged.
    void accept() override;

    // Route file text ("\r\n" line breaks) as the edit shows it ("\n").
    static QString toScreen(const std::string& remarks);
    // Edit text as the route file holds it; only meaningful for text without characters
    // outside ISO-8859-1 (see firstUnstorable).
    static std::string toFile(const QString& text);
    // Position of the first character ISO-8859-1 cannot hold, or -1.
    static qsizetype firstUnstorable(const QString& text);

private:
    CKelvoDoc& m_doc;
    QPlainTextEdit* m_edit = nullptr;
};

}  // namespace kelvo
