CREATE TABLE word (
  id INTEGER NOT NULL,   -- row number, in the order of px
  zi TEXT NOT NULL,      -- the character
  ft TEXT NOT NULL,      -- its traditional form (the character itself when it has none)
  bh INTEGER NOT NULL,   -- numerology (Kangxi) strokes, counted on ft
  wuhang TEXT NOT NULL,  -- customary element: 金 木 水 火 土
  xb TEXT NOT NULL,      -- name pool: 男, 女 or 0 (either); '-' outside the pool
  px INTEGER NOT NULL    -- rank, smaller is better
);
CREATE INDEX word_zi ON word (zi);
CREATE INDEX word_ft ON word (ft);
CREATE INDEX word_bh ON word (bh, wuhang, xb);
