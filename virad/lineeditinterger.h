#pragma once

#include <QSpinBox>

namespace virad {

// The kit's integer entry: a spin box the style sheet can address by class.
class LineEditInterger : public QSpinBox
{
    Q_OBJECT
public:
    explicit LineEditInterger(QWidget *parent = nullptr);
    ~LineEditInterger() override;
};

} // namespace virad
