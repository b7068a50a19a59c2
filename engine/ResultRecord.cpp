#include "ResultRecord.h"

void ResultRecord::clear()
{
    m_results.fill(std::nullopt);
    m_inputs.fill(0.0);
}
