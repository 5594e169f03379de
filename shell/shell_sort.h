// The report cards' sort: a Shell sort with halving gaps. It works on positions, so the rows may
// be one list or several parallel arrays.
#pragma once

// Sorts positions first..last: for each gap (half the count, then halved down to 1), passes
// compare position j with j + gap for j from first on and swap them where outOfOrder(j, j + gap),
// until a pass swaps nothing. Rows with equal keys are never swapped with each other, but the
// sort is not stable.
template <class OutOfOrder, class Swap>
void shellSort(int first, int last, OutOfOrder outOfOrder, Swap swap)
{
    const int n = last - first + 1;
    for (int gap = n / 2; gap > 0; gap /= 2) {
        bool swapped = true;
        while (swapped) {
            swapped = false;
            for (int j = first; j <= last - gap; ++j) {
                if (outOfOrder(j, j + gap)) {
                    swap(j, j + gap);
                    swapped = true;
                }
            }
        }
    }
}
