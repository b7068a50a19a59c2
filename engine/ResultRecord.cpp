#include "ResultRecord.h"

void ResultRecord::clear()
{
    m_hasResult = {};
    m_results = {};
    m_inputs = {};
}
