#pragma once

#include "platform/forms/TControl.h"

#include <string>

class QPlainTextEdit;

// Stand-in for the skinned memo: flat multi-line text without scroll bars. Read-only
// or disabled, the learner can neither edit nor scroll it; a longer text shows its
// first lines.
class TPlainMemo : public TControl {
    Q_OBJECT
    Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)

public:
    explicit TPlainMemo(QWidget* parent = nullptr);

    bool ReadOnly() const;
    void SetReadOnly(bool readOnly);

    // The text up to its first NUL byte, as UTF-8. The shown text is replaced only when
    // it differs, so setting the same note again keeps the view as it is. Only the first
    // lines are laid out, over-long lines broken (LeadingLines, BreakLongLines); Text()
    // keeps the whole text.
    void SetText(const std::string& text);
    const std::string& Text() const { return m_text; }

protected:
    void ColorChanged() override { UpdatePalette(); }
    void FontChanged() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdatePalette();

    QPlainTextEdit* m_edit;
    std::string m_text;
};
