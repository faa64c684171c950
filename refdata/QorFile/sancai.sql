CREATE TABLE sancai (
  title TEXT NOT NULL,   -- three elements of 天格, 人格, 地格, e.g. 土金木
  djc INTEGER NOT NULL   -- grade 1 (best) to 7
);
CREATE UNIQUE INDEX sancai_title ON sancai (title);
