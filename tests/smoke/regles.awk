# SPDX-License-Identifier: GPL-3.0-or-later
# Reversi rules on the boards that the smoke scripts read off the screen, so
# that they can tell on their own which cells are legal and what a move must
# leave on the board.
#
# A board is a string of N * N characters, row after row from the top:
# 'x' a pawn of side -1, 'o' a pawn of side +1; '.', 'h' (hint marker) and
# 's' (suggested move) are empty cells.
#
# Variables (-v): N, op, plateau, camp ('x' or 'o'), and for op=joue the
# cell as "x y". Operations:
#   coups     the legal cells of camp, one "x y" a line (x outer, y inner)
#   joue      the board after camp plays the cell; "illegal" if it may not
#   reponses  every board that one legal move of camp can give, one a line
#   pions     the board with the markers taken off

function cellule(p, x, y) {
    return substr(p, y * N + x + 1, 1)
}

function pose(p, x, y, c,   i) {
    i = y * N + x
    return substr(p, 1, i) c substr(p, i + 2)
}

function nettoie(p) {
    gsub(/[hs]/, ".", p)
    return p
}

function adversaire(c) {
    return c == "x" ? "o" : "x"
}

# Pawns flipped in one direction, 0 when the line is not closed.
function ligne(p, x, y, dx, dy, c,   k, a) {
    a = adversaire(c)
    for (k = 1; x + k * dx >= 0 && x + k * dx < N && y + k * dy >= 0 && y + k * dy < N; k++) {
        if (cellule(p, x + k * dx, y + k * dy) != a)
            break
    }
    if (k == 1 || x + k * dx < 0 || x + k * dx >= N || y + k * dy < 0 || y + k * dy >= N)
        return 0
    return cellule(p, x + k * dx, y + k * dy) == c ? k - 1 : 0
}

function retournements(p, x, y, c,   dx, dy, n) {
    if (cellule(p, x, y) != ".")
        return 0
    n = 0
    for (dx = -1; dx <= 1; dx++)
        for (dy = -1; dy <= 1; dy++)
            if (dx != 0 || dy != 0)
                n += ligne(p, x, y, dx, dy, c)
    return n
}

function joue(p, x, y, c,   dx, dy, k, n) {
    if (retournements(p, x, y, c) == 0)
        return "illegal"
    for (dx = -1; dx <= 1; dx++)
        for (dy = -1; dy <= 1; dy++) {
            if (dx == 0 && dy == 0)
                continue
            n = ligne(p, x, y, dx, dy, c)
            for (k = 1; k <= n; k++)
                p = pose(p, x + k * dx, y + k * dy, c)
        }
    return pose(p, x, y, c)
}

BEGIN {
    if (length(plateau) != N * N) {
        print "board of " length(plateau) " cells for N = " N > "/dev/stderr"
        exit 2
    }
    p = nettoie(plateau)
    if (op == "pions") {
        print p
    } else if (op == "joue") {
        split(case_, xy, " ")
        print joue(p, xy[1], xy[2], camp)
    } else {
        for (x = 0; x < N; x++)
            for (y = 0; y < N; y++)
                if (retournements(p, x, y, camp) > 0)
                    print op == "coups" ? x " " y : joue(p, x, y, camp)
    }
}
