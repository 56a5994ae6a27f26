# Reads pairs of numbers, one pair a line, and prints how many differ and by how
# much at most; fails when one differs by more than `largest` or when more than
# `share` of them differ at all.
{
    difference = $1 - $2
    if (difference < 0)
        difference = -difference
    if (difference > 0)
        differing++
    if (difference > most)
        most = difference
}
END {
    printf "%s: %d of %d values differ, by at most %d\n", name, differing, NR, most
    if (NR == 0 || most > largest || differing > share * NR)
        exit 1
}
