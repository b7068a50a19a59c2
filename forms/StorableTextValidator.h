#pragma once

#include <QValidator>

// Keeps characters out of a box that the data files cannot store, so that nothing typed is
// changed or dropped when it is saved.
class StorableTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};
