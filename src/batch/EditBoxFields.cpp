#include "batch/EditBoxFields.h"

#include "common/Codec.h"

#include <QLineEdit>

EditBoxFields::EditBoxFields(QLineEdit* folder, QLineEdit* type, QLineEdit* parameter,
                             QLineEdit* content) {
    box(BatchField::Folder).widget = folder;
    box(BatchField::Type).widget = type;
    box(BatchField::Parameter).widget = parameter;
    box(BatchField::Content).widget = content;
}

Text EditBoxFields::read(BatchField field) {
    Box& target = box(field);
    const QString current = target.widget->text();
    if (target.holdsBytes && current == target.shown) {
        return target.bytes;
    }
    target.holdsBytes = false;
    return fromQt(current);
}

void EditBoxFields::write(BatchField field, const Text& text) {
    Box& target = box(field);
    target.widget->setText(toQt(text));
    target.bytes = text;
    target.shown = target.widget->text();
    target.holdsBytes = true;
}
