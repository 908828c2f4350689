#include "game/app/ExprNode.h"

#include "game/app/DataFileFormat.h"

namespace {
constexpr std::size_t MinNodeBytes = 21;

void ReadNodeAt(GF::CStreamReader& in, ExprNode& node, int depth) {
  if (depth > MaxExprDepth) {
    in.Fail();
    return;
  }
  node.valueType = in.Int32BE();
  node.literal = in.String();
  node.kind = in.Int32BE();
  node.number = in.Float();
  node.propertyId = in.Int32BE();
  ReadList(in, node.children, MinNodeBytes,
           [depth](GF::CStreamReader& r, ExprNode& child) { ReadNodeAt(r, child, depth + 1); });
}
}  // namespace

void ReadExprNode(GF::CStreamReader& in, ExprNode& node) {
  ReadNodeAt(in, node, 1);
}

void WriteExprNode(GF::COutputStream& out, const ExprNode& node) {
  GF::WriteInt32BE(out, node.valueType);
  GF::WriteString(out, node.literal);
  GF::WriteInt32BE(out, node.kind);
  GF::WriteFloat(out, node.number);
  GF::WriteInt32BE(out, node.propertyId);
  WriteList(out, node.children, WriteExprNode);
}

void ReadNamedExpression(GF::CStreamReader& in, NamedExpression& named) {
  ReadExprNode(in, named.Root);
  named.Name = in.String();
}

void WriteNamedExpression(GF::COutputStream& out, const NamedExpression& named) {
  WriteExprNode(out, named.Root);
  GF::WriteString(out, named.Name);
}
