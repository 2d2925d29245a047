#pragma once
// The batch page's edit boxes as a run reads and writes them. Each box keeps the GBK bytes last
// written to it beside the widget, which only displays them: bytes that are no valid GBK (a
// file's content, a name from the disk) come back from a read exactly as written, and a long
// text is not cut to the widget's length. Once the widget's text has changed by other means
// (the user typed), the widget's text is what the box holds.

#include "batch/BatchOperations.h"

#include <QString>
#include <array>

class QLineEdit;

class EditBoxFields final : public BatchFields {
public:
    EditBoxFields(QLineEdit* folder, QLineEdit* type, QLineEdit* parameter, QLineEdit* content);

    Text read(BatchField field) override;
    void write(BatchField field, const Text& text) override;

private:
    struct Box {
        QLineEdit* widget = nullptr;
        bool holdsBytes = false;
        Text bytes;
        QString shown; // the widget's text right after the bytes were written
    };

    Box& box(BatchField field) { return boxes_[static_cast<std::size_t>(field)]; }

    std::array<Box, 4> boxes_;
};
