"""Parametric variants of the soft clay example, made by editing its text: the study of the
batch tests and of the batch benchmark."""


def soft_clay_variants(text, count, shear_step=500.0):
    """`count` variants named by length and shear: pile lengths 40 to 65 ft, and pile-head
    shears of the first two load cases from 10 kips up in steps of `shear_step` lb."""
    out = {}
    for k in range(count):
        length = 40.0 + 5.0 * (k % 6)
        shear = 10000.0 + shear_step * k
        t = text.replace("\n60.0\n", f"\n{length}\n", 1)
        t = t.replace("1 1 20000.0", f"1 1 {shear}", 1).replace("2 2 20000.0", f"2 2 {shear}", 1)
        out[f"L{length:g}-V{shear:g}"] = t
    return out
