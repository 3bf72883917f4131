# Shared by the graphics scripts under Wine; $wine_exec is the test bed's runner.
# w: a Windows program (or Wine tool) under the test bed, its output without CRs.
w() { "$wine_exec" "$@" 2>/dev/null | tr -d '\r'; }
# value <name> <output>: the value of the first name=value line.
value() { grep -m1 "^$1=" <<<"$2" | cut -d= -f2- || true; }
fail() {
  echo "FAIL: $*"
  exit 1
}
