#include "game/app/RecipeRecord.h"

#include "game/app/DataFileFormat.h"

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

void ReadRecipeRecord(GF::CStreamReader& in, RecipeRecord& recipe) {
  recipe.DisplayName = in.WideString();
  recipe.Name2 = in.String();
  recipe.Text = in.WideString();
  recipe.Value1 = in.Int32BE();
  recipe.Value2 = in.Int32BE();
  recipe.Payment = in.Int32BE();
  recipe.Name3 = in.String();
  recipe.Text2 = in.WideString();
  ReadList(in, recipe.Numbers, MinInt32Bytes, ReadInt32Item);
  recipe.RecipeKey = in.String();
  recipe.Value3 = in.Int32BE();
  ReadList(in, recipe.Items, MinRecipeItemBytes, ReadRecipeItem);
}

void WriteRecipeRecord(GF::COutputStream& out, const RecipeRecord& recipe) {
  GF::WriteWideString(out, recipe.DisplayName);
  GF::WriteString(out, recipe.Name2);
  GF::WriteWideString(out, recipe.Text);
  GF::WriteInt32BE(out, recipe.Value1);
  GF::WriteInt32BE(out, recipe.Value2);
  GF::WriteInt32BE(out, recipe.Payment);
  GF::WriteString(out, recipe.Name3);
  GF::WriteWideString(out, recipe.Text2);
  WriteList(out, recipe.Numbers, GF::WriteInt32BE);
  GF::WriteString(out, recipe.RecipeKey);
  GF::WriteInt32BE(out, recipe.Value3);
  WriteList(out, recipe.Items, WriteRecipeItem);
}
