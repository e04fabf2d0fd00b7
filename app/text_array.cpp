#include "app/text_array.h"

#include "app/program_end.h"

const char kIndexBelowOneMessage[] = "数组成员引用下标必须大于等于1";
const char kIndexAboveRangeMessage[] = "数组成员引用下标超出定义范围";

const Text& TextArray::At(int32_t index) const {
  if (index < 1) ReportFatalError(4, kIndexBelowOneMessage);
  if (index > Count()) ReportFatalError(1, kIndexAboveRangeMessage);
  return items_[static_cast<size_t>(index - 1)];
}
