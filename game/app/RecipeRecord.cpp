#include "game/app/RecipeRecord.h"

#include "framework/core/BinaryEncoding.h"

void ReadRecipeItem(GF::CStreamReader& in, RecipeItem& item) {
  item.DisplayName = in.WideString();
  item.WorkTime = in.Int32BE();
  item.ObjectName = in.String();
}

void WriteRecipeItem(GF::COutputStream& out, const RecipeItem& item) {
  GF::WriteWideString(out, item.DisplayName);
  GF::WriteInt32BE(out, item.WorkTime);
  GF::WriteString(out, item.ObjectName);
}
