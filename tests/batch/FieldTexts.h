#pragma once
// The edit boxes of a run as plain texts, so engine tests can set them and read what a run
// wrote back.

#include "batch/BatchOperations.h"

#include <map>

class FieldTexts final : public BatchFields {
public:
    Text read(BatchField field) override { return texts[field]; }
    void write(BatchField field, const Text& text) override { texts[field] = text; }
    std::map<BatchField, Text> texts;
};
