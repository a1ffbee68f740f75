#include "device/ms_ht66fb560.h"

MS_HT66FB560::MS_HT66FB560() = default;

MS_HT66FB560::~MS_HT66FB560() = default;
