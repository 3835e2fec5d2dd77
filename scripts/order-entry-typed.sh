#!/bin/sh
# Types an order into `zel order edit` under a virtual display, through the keyboard alone, and
# checks that the saved rows are the rows `zel order recompute` computes from the same lines.
# Usage: scripts/order-entry-typed.sh ZEL_BINARY WORK_FOLDER
# Needs xvfb-run, xdotool, ImageMagick's import and python3; leaves screenshots in WORK_FOLDER.
set -eu
zel=$(realpath "$1")
work=$(realpath -m "$2")
mkdir -p "$work/home"
db="$work/Typed.ZELDB"
rm -f "$db"
"$zel" sample --db "$db" --customers 20 --years 1 --home "$work/home" >/dev/null 2>&1

# Two products of the current campaign without a lower price in the campaigns before it.
set -- $(python3 - "$db" <<'PY'
import sqlite3, sys
c = sqlite3.connect(sys.argv[1])
y, n, last = c.execute("select [Options Current Campaign Year], [Options Current Campaign Number], "
                       "[Options Last Campaign Number Of Year] from Options").fetchone()
rows = c.execute("""select p.[Products Catalog Number] from Products p
  where p.[Products Campaign Year] = ? and p.[Products Campaign Number] = ?
  and not exists (select 1 from Products q where q.[Products Catalog Number] = p.[Products Catalog Number]
    and q.[Products Campaign Year] = ? and q.[Products Campaign Number] between ? and ?
    and q.[Products Last Price] < p.[Products Last Price] and q.[Products Last Price] > 0)
  order by 1 limit 2""", (y, n, y, max(n - 3, 1), n - 1)).fetchall()
print(y, n, rows[0][0].replace("-", ""), rows[1][0])
PY
)
year=$1 campaign=$2 first=$3 second=$4

cat > "$work/type.sh" <<TYPE
#!/bin/sh
"$zel" order edit --db "$db" --customer 1 --home "$work/home" > "$work/edit.out" 2>&1 &
pid=\$!
win=\$(xdotool search --sync --name "New Order")
sleep 1
xdotool windowactivate --sync "\$win" 2>/dev/null || true
import -window root "$work/opened.png"
key() { xdotool key --delay 80 "\$@"; sleep 0.3; }
typ() { xdotool type --delay 60 "\$1"; sleep 0.2; key Return; }
# A product of the catalogue: its number, then the quantity.
typ "$first"; typ 2
# Another one reached with Tab instead of Enter.
xdotool type --delay 60 "$second"; key Tab; xdotool type --delay 60 3; key Tab
# A product the catalogue does not have: every cell in turn.
typ 999990; typ 44; typ "Hand cream"; typ Rose; typ "2 oz"; typ 3; typ 2.25
sleep 0.5
import -window root "$work/typed.png"
key ctrl+s
wait \$pid
TYPE
chmod +x "$work/type.sh"
xvfb-run -a -s "-screen 0 ${ZEL_SCREEN:-1280x1024}x24" "$work/type.sh"
cat "$work/edit.out"
order=$(sed -n 's/^Order \([0-9]*\) of customer 1 saved.*/\1/p' "$work/edit.out")
[ -n "$order" ] || { echo "The order was not saved."; exit 1; }

rows() {
    python3 - "$db" "$year" "$campaign" "$order" <<'PY'
import sqlite3, sys
c = sqlite3.connect(sys.argv[1])
for r in c.execute("""select [Orders Sequence Number], [Orders Internal Flag], [Orders Catalog Number], [Orders Product],
    [Orders Quanity], [Orders Unit Price], [Orders Unit Total] from Orders where [Orders Customer Number] = 1
    and [Orders Campaign Year] = ? and [Orders Campaign Number] = ? and [Orders Order Number] = ?
    order by [Orders Sequence Number]""", sys.argv[2:5]):
    print(*r, sep=" | ")
PY
}
rows > "$work/typed.txt"
"$zel" order recompute --db "$db" --customer 1 --year "$year" --campaign "$campaign" --order "$order" \
    --home "$work/home" --yes >/dev/null
rows > "$work/recomputed.txt"
cat "$work/typed.txt"
if diff "$work/typed.txt" "$work/recomputed.txt"; then
    echo "The typed order matches its recomputation."
else
    echo "The typed order differs from its recomputation."
    exit 1
fi
