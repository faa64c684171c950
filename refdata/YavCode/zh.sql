CREATE TABLE zh (
  lx INTEGER NOT NULL,    -- 11, 12, 21, 22: family-name characters x 10 + given-name characters
  bh11 INTEGER NOT NULL,  -- strokes of the family name's first character
  bh12 INTEGER NOT NULL,  -- strokes of its second character, 0 for a one-character family name
  bh21 INTEGER NOT NULL,  -- strokes of the given name's first character
  bh22 INTEGER NOT NULL,  -- strokes of its second character, 0 for a one-character given name
  zf INTEGER NOT NULL,    -- score of the combination
  jxjx INTEGER NOT NULL,  -- rank among the rows of the same lx, bh11, bh12; 1 the best
  xb TEXT NOT NULL        -- '0', '男', or for lx 22 '男' and '女' (see refdata/README.md)
);
CREATE INDEX zh_plan ON zh (lx, bh11, bh12);
CREATE INDEX zh_strokes ON zh (bh11, bh12, bh21, bh22);
