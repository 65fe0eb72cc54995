#include "shape/CKVSingleNestSortCenter.h"

// Out of line, so that the record's virtual table lives in the shape library.
CKVSingleNestSortCenter::~CKVSingleNestSortCenter() = default;
