// The conversion rules between types, table-driven: which assignments are
// implicit, and the type arithmetic brings its operands to.
#include <gtest/gtest.h>

#include "compiler/symbols.h"
#include "compiler/types.h"

namespace {

struct Classes {
  zc::SymbolTable symbols;
  zc::ClassInfo* shape = symbols.make_class("Shape");
  zc::ClassInfo* circle = symbols.make_class("Circle");
  zc::ClassInfo* area = symbols.make_class("Area");
  Classes() {
    circle->base = shape;
    area->is_interface = true;
    shape->interfaces.push_back(area);
  }
};

}  // namespace

TEST(Types, ImplicitConversions) {
  zc::TypeTable types;
  Classes classes;
  const zc::Type* shape = types.class_type(classes.shape);
  const zc::Type* circle = types.class_type(classes.circle);
  const zc::Type* area = types.class_type(classes.area);
  struct Case {
    const zc::Type* from;
    const zc::Type* to;
    bool allowed;
  } cases[] = {
      {types.integer(), types.double_type(), true},   {types.double_type(), types.integer(), true},
      {types.color(), types.integer(), true},         {types.single(), types.double_type(), true},
      {types.boolean(), types.integer(), false},      {types.integer(), types.boolean(), false},
      {types.integer(), types.string(), false},       {types.string(), types.integer(), false},
      {types.nil(), types.string(), true},            {types.nil(), circle, true},
      {types.nil(), types.integer(), false},          {circle, shape, true},
      {shape, circle, false},                         {circle, area, true},
      {circle, types.object(), true},                 {types.object(), circle, false},
      {types.array_of(types.integer()), types.any_array(), true},
      {types.array_of(types.integer()), types.array_of(types.double_type()), false},
      {types.error(), types.string(), true},          {types.string(), types.error(), true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zc::converts_implicitly(c.from, c.to), c.allowed) << c.from->name() << " to " << c.to->name();
}

TEST(Types, ArithmeticWidensToDoubleOnlyWhenASideIsReal) {
  zc::TypeTable types;
  EXPECT_EQ(zc::arithmetic_type(types, types.integer(), types.color()), types.integer());
  EXPECT_EQ(zc::arithmetic_type(types, types.integer(), types.single()), types.double_type());
  EXPECT_EQ(zc::arithmetic_type(types, types.double_type(), types.integer()), types.double_type());
  EXPECT_EQ(zc::arithmetic_type(types, types.string(), types.integer()), nullptr);
  EXPECT_EQ(zc::arithmetic_type(types, types.boolean(), types.boolean()), nullptr);
}

TEST(Types, AreInternedAndNamed) {
  zc::TypeTable types;
  Classes classes;
  EXPECT_EQ(types.array_of(types.integer()), types.array_of(types.integer()));
  EXPECT_EQ(types.class_type(classes.shape), types.class_type(classes.shape));
  EXPECT_EQ(types.array_of(types.class_type(classes.shape))->name(), "Shape()");
  EXPECT_EQ(types.builtin("dOuBlE"), types.double_type());
  EXPECT_EQ(types.builtin("Shape"), nullptr);
}
